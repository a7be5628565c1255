#include "packreader.h"

#include "lesson/atomicfile.h"
#include "lesson/configfile.h"
#include "lesson/gbktext.h"
#include "lesson/lessonbook.h"
#include "lessonpack.h"
#include "packprogress.h"
#include "staging.h"
#include "ziplayout.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <zip.h>

namespace lessonpack {

namespace {

constexpr qint64 kMaxInflation = 100;
constexpr qint64 kMaxManifestBytes = 4 << 20;
// Bytes of one file name and of a whole path the file systems here take; a
// numbered name (" (12)") must still fit.
constexpr int kNameMax = 255 - 8;
constexpr int kPathMax = 4095 - 8;

QString shown(const QString &member)
{
    return escapedControls(member);
}

// Names with the UTF-8 flag are UTF-8; without it a Chinese Windows wrote them
// in GBK, unless they read as UTF-8 (as tools on Linux write them).
QString decodedName(zip_t *zip, zip_uint64_t index)
{
    const char *raw = zip_get_name(zip, index, ZIP_FL_ENC_RAW);
    if (!raw)
        return QString();
    const QByteArray bytes(raw);
    // The strict reading converts unflagged names from CP437, so only flagged
    // or plain ASCII names come back as they are.
    const char *strict = zip_get_name(zip, index, ZIP_FL_ENC_STRICT);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if ((strict && bytes == strict) || !utf8.hasError())
        return text;
    return gbk::decode(bytes);
}

// The Unix mode a member was packed with; 0 when none was recorded.
zip_uint32_t unixMode(zip_t *zip, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, index, 0, &system, &attributes) < 0 || system != ZIP_OPSYS_UNIX)
        return 0;
    return attributes >> 16;
}

QString sizeText(qint64 bytes)
{
    return QStringLiteral("%1 MB").arg(double(bytes) / (1024 * 1024), 0, 'f', 1);
}

// Whether writing `target` stays in the lesson book: no link at the target,
// and the nearest folder that exists lies in the lesson book once links are
// followed (or is the program folder itself, before the lesson book exists).
bool staysInLessonBook(const LessonBook &book, const QString &target)
{
    if (QFileInfo(target).isSymLink())
        return false;
    QString folder = QFileInfo(target).absolutePath();
    while (!QFileInfo::exists(folder) && folder != QFileInfo(folder).absolutePath())
        folder = QFileInfo(folder).absolutePath();
    const QString real = QFileInfo(folder).canonicalFilePath();
    const QString lessonBook = QFileInfo(book.lessonBook()).canonicalFilePath();
    if (lessonBook.isEmpty())
        return real == QFileInfo(book.programFolder()).canonicalFilePath();
    return LessonBook::liesBelow(real, lessonBook);
}

// Why the file system here cannot hold the member's file at `target`: too long
// a name or path, or an existing file where it needs a folder.
QString pathProblem(const QString &target)
{
    const QByteArray bytes = QFile::encodeName(target);
    if (bytes.size() > kPathMax)
        return QStringLiteral("路径过长");
    for (const QByteArray &part : bytes.split('/')) {
        if (part.size() > kNameMax)
            return QStringLiteral("名称过长");
    }
    QString folder = QFileInfo(target).absolutePath();
    while (!QFileInfo::exists(folder) && folder != QFileInfo(folder).absolutePath())
        folder = QFileInfo(folder).absolutePath();
    return QFileInfo(folder).isDir() ? QString() : QStringLiteral("要放在一个文件之下");
}

qint64 inBlocks(qint64 bytes, qint64 blockSize)
{
    return (bytes + blockSize - 1) / blockSize * blockSize;
}

// "a.jpg" as "a (2).jpg", or "a(2).jpg" for a name in a list, which a space would end.
QString numbered(const QString &member, int n, bool inList)
{
    const int slash = int(member.lastIndexOf(QLatin1Char('/')));
    const int dot = int(member.lastIndexOf(QLatin1Char('.')));
    const int at = dot > slash + 1 ? dot : int(member.size());
    const QString number = (inList ? QStringLiteral("(%1)") : QStringLiteral(" (%1)")).arg(n);
    return member.left(at) + number + member.mid(at);
}

// Members the lesson names in its list fields, in lower case.
QSet<QString> listMembers(const LessonRecord &fields)
{
    QSet<QString> members;
    for (int field = slot::TextFiles; field <= slot::PictureFiles; ++field) {
        for (const QString &name : fields[field].split(QLatin1Char(' '), Qt::SkipEmptyParts))
            members.insert(memberNamed(field, name).toLower());
    }
    return members;
}

} // namespace

QString refusalOf(const QString &member)
{
    QString name = member;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.startsWith(QLatin1Char('/')))
        return QStringLiteral("是绝对路径");
    if (name.contains(QLatin1Char(':')))
        return QStringLiteral("含盘符");
    QStringList parts = name.split(QLatin1Char('/'));
    const bool folder = name.endsWith(QLatin1Char('/'));
    if (folder)
        parts.removeLast();
    if (parts.contains(QStringLiteral("..")))
        return QStringLiteral("含“..”");
    if (parts.contains(QString()) || parts.contains(QStringLiteral(".")))
        return QStringLiteral("名称不规范");
    // Zip tools write an entry for each folder, the lesson book's own among them.
    if (parts.size() < (folder ? 1 : 2) || parts.constFirst() != lessonBookFolder())
        return QStringLiteral("不在备课本内");
    return QString();
}

PackReader::~PackReader()
{
    if (m_zip)
        zip_discard(m_zip);
}

bool PackReader::open(const QString &zipPath, QString *error)
{
    int code = 0;
    QFile file(zipPath);
    if (file.open(QIODevice::ReadOnly))
        m_zip = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, &code);
    if (!m_zip) {
        *error = QStringLiteral("“%1”不是可以打开的 zip 文件").arg(zipPath);
        return false;
    }
    return examine(file.size(), file, error);
}

bool PackReader::openData(const QByteArray &bytes, QString *error)
{
    m_data = bytes;
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t *source =
        zip_source_buffer_create(m_data.constData(), zip_uint64_t(m_data.size()), 0, &zipError);
    if (source)
        m_zip = zip_open_from_source(source, ZIP_RDONLY, &zipError);
    if (source && !m_zip)
        zip_source_free(source);
    zip_error_fini(&zipError);
    if (!m_zip) {
        *error = QStringLiteral("不是可以打开的 zip 文件");
        return false;
    }
    QBuffer buffer(&m_data);
    buffer.open(QIODevice::ReadOnly);
    return examine(m_data.size(), buffer, error);
}

bool PackReader::examine(qint64 packSize, QIODevice &device, QString *error)
{
    const auto fail = [error](const QString &member, const QString &why) {
        *error = QStringLiteral("包中的“%1”%2，未导入任何文件").arg(shown(member), why);
        return false;
    };
    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    // One piece of data named many times would pass every test of a member alone.
    if (const ziplayout::Verdict layout = ziplayout::check(device); !layout.sound) {
        const QString name = layout.entry >= 0 && layout.entry < count
                                 ? decodedName(m_zip, zip_uint64_t(layout.entry))
                                 : QStringLiteral("目录");
        return fail(name, QStringLiteral("的数据与其他成员重叠或顺序颠倒"));
    }
    std::optional<PackEntry> manifest;
    QSet<QString> names;
    qint64 inflated = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        const QString name = decodedName(m_zip, zip_uint64_t(i));
        if (zip_stat_index(m_zip, zip_uint64_t(i), 0, &stat) < 0 || name.isEmpty())
            return fail(QString::number(i + 1), QStringLiteral("无法读取"));
        const zip_uint32_t mode = unixMode(m_zip, zip_uint64_t(i));
        const PackEntry entry{QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')), zip_uint64_t(i),
                              qint64(stat.size), QString(), (mode & S_IXUSR) != 0};
        if (stat.size > quint64(std::numeric_limits<qint64>::max() / kMaxInflation) ||
            (stat.size > 0 && qint64(stat.size) > kMaxInflation * qint64(stat.comp_size)))
            return fail(name, QStringLiteral("解压后超过压缩大小的 100 倍"));
        inflated += entry.size;
        if (inflated > kMaxInflation * packSize)
            return fail(name, QStringLiteral("使整个包解压后超过包大小的 100 倍"));
        if (entry.member == manifestName()) {
            if (entry.size > kMaxManifestBytes)
                return fail(name, QStringLiteral("过大"));
            manifest = entry;
            continue;
        }
        if (const QString why = refusalOf(name); !why.isEmpty())
            return fail(name, why);
        if ((mode & S_IFMT) == S_IFLNK)
            return fail(name, QStringLiteral("是链接"));
        if (stat.encryption_method != ZIP_EM_NONE || !zip_compression_method_supported(stat.comp_method, 0))
            return fail(name, QStringLiteral("已加密或压缩方式无法读取"));
        if (entry.member.endsWith(QLatin1Char('/')))
            continue;
        if (names.contains(entry.member))
            return fail(name, QStringLiteral("重复出现"));
        names.insert(entry.member);
        m_entries.append(entry);
    }
    if (!manifest) {
        // A pack zipped by hand: its one lesson file in the configuration area.
        const QString area = lessonBookFolder() + QStringLiteral("/配置区/");
        for (const PackEntry &entry : std::as_const(m_entries)) {
            if (!entry.member.startsWith(area) || !entry.member.endsWith(QLatin1String(".spz")))
                continue;
            if (!m_lesson.isEmpty())
                return fail(entry.member, QStringLiteral("是第二个课件"));
            m_lesson = entry.member;
        }
    } else {
        QByteArray bytes;
        QString sha256;
        if (!readMember(*manifest, &bytes, &sha256, nullptr, nullptr, error))
            return false;
        const QJsonObject object = QJsonDocument::fromJson(bytes).object();
        m_lesson = object.value(QStringLiteral("lesson")).toString();
        QHash<QString, PackEntry> listed;
        for (const QJsonValue &value : object.value(QStringLiteral("files")).toArray()) {
            const QJsonObject file = value.toObject();
            const QString member = file.value(QStringLiteral("name")).toString();
            listed.insert(member,
                          PackEntry{member, 0, qint64(file.value(QStringLiteral("size")).toDouble(-1)),
                                    file.value(QStringLiteral("sha256")).toString().toLower()});
        }
        for (PackEntry &entry : m_entries) {
            const auto known = listed.constFind(entry.member);
            if (known == listed.cend() || known->size != entry.size || known->sha256.isEmpty())
                return fail(entry.member, QStringLiteral("与清单不符"));
            entry.sha256 = known->sha256;
            listed.remove(entry.member);
        }
        if (!listed.isEmpty())
            return fail(listed.cbegin().key(), QStringLiteral("缺失"));
    }
    if (m_lesson.isEmpty() || !names.contains(m_lesson) || !m_lesson.endsWith(QLatin1String(".spz")))
        return fail(m_lesson, QStringLiteral("不是包中的课件"));
    return true;
}

bool PackReader::readMember(const PackEntry &entry, QByteArray *bytes, QString *sha256, QIODevice *sink,
                            Progress *progress, QString *error) const
{
    zip_file_t *file = zip_fopen_index(m_zip, entry.index, 0);
    if (!file) {
        *error = QStringLiteral("包中的“%1”无法读取").arg(shown(entry.member));
        return false;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    qint64 total = 0;
    QString why;
    for (;;) {
        const zip_int64_t read = zip_fread(file, chunk.data(), zip_uint64_t(chunk.size()));
        if (read < 0) {
            why = QString::fromLocal8Bit(zip_file_strerror(file));
            break;
        }
        if (read == 0)
            break;
        total += read;
        // The stated size bounds what is inflated, whatever the data says.
        if (total > entry.size) {
            why = QStringLiteral("比声明的大");
            break;
        }
        const QByteArrayView piece(chunk.constData(), read);
        hash.addData(piece);
        if (bytes)
            bytes->append(piece);
        if (sink && sink->write(piece.data(), read) != read) {
            why = sink->errorString();
            break;
        }
        if (progress && !progress->advance(read)) {
            zip_fclose(file);
            *error = QStringLiteral("已取消，未导入任何文件");
            return false;
        }
    }
    zip_fclose(file);
    if (why.isEmpty() && total != entry.size)
        why = QStringLiteral("比声明的小");
    if (!why.isEmpty()) {
        *error = QStringLiteral("包中的“%1”无法读取：%2").arg(shown(entry.member), why);
        return false;
    }
    *sha256 = QString::fromLatin1(hash.result().toHex());
    return true;
}

bool PackReader::readLesson(LessonRecord *fields, QByteArray *bytes, QString *error) const
{
    const auto lessonEntry =
        std::find_if(m_entries.cbegin(), m_entries.cend(),
                     [this](const PackEntry &entry) { return entry.member == m_lesson; });
    QString sha256;
    if (!readMember(*lessonEntry, bytes, &sha256, nullptr, nullptr, error))
        return false;
    QBuffer buffer(bytes);
    buffer.open(QIODevice::ReadOnly);
    configfile::readLineFile(buffer, *fields);
    return true;
}

bool PackReader::prepare(const LessonBook &book, const Room &room, Progress *progress, ImportPreview *preview,
                         QString *error)
{
    ImportPreview result;
    result.lessonMember = m_lesson;
    result.fileCount = int(m_entries.size()) - 1;
    // Counted as the file system allocates: whole blocks, a block for each new
    // folder, and a margin, so that a pack of many small files cannot fill it.
    qint64 needed = 0;
    QSet<QString> folders;
    for (const PackEntry &entry : std::as_const(m_entries)) {
        result.totalSize += entry.size;
        needed += inBlocks(entry.size, room.blockSize);
        for (QString folder = QFileInfo(entry.member).path(); folder != QLatin1String(".");
             folder = QFileInfo(folder).path())
            folders.insert(folder);
    }
    needed += qint64(folders.size()) * room.blockSize;
    needed += needed / 50 + (qint64(4) << 20);
    if (needed > room.bytes) {
        *error = QStringLiteral("包解开需要 %1，可用空间只有 %2，未导入任何文件")
                     .arg(sizeText(needed), sizeText(room.bytes));
        return false;
    }
    const qint64 files = qint64(m_entries.size() + folders.size()) + 16;
    if (room.files >= 0 && files > room.files) {
        *error = QStringLiteral("包解开需要 %1 个文件，磁盘只能再放 %2 个，未导入任何文件")
                     .arg(files)
                     .arg(room.files);
        return false;
    }
    if (progress)
        progress->start(result.totalSize);
    for (PackEntry &entry : m_entries) {
        QString sha256;
        if (!readMember(entry, nullptr, &sha256, nullptr, progress, error))
            return false;
        if (!entry.sha256.isEmpty() && entry.sha256 != sha256) {
            *error = QStringLiteral("包中的“%1”校验和不符，未导入任何文件").arg(shown(entry.member));
            return false;
        }
        entry.sha256 = sha256;
        const QString target = book.programFolder() + QLatin1Char('/') + entry.member;
        if (!staysInLessonBook(book, target) || QFileInfo(target).isDir()) {
            *error = QStringLiteral("包中的“%1”会写到备课本之外，未导入任何文件").arg(shown(entry.member));
            return false;
        }
        if (const QString why = pathProblem(target); !why.isEmpty()) {
            *error = QStringLiteral("包中的“%1”%2，未导入任何文件").arg(shown(entry.member), why);
            return false;
        }
        if (QFileInfo::exists(target) && fileSha256(target) != sha256)
            result.differing.append(entry.member);
    }
    LessonRecord fields;
    QByteArray bytes;
    if (!readLesson(&fields, &bytes, error))
        return false;
    confined(fields, book, &result.dropped);
    m_differing = result.differing;
    m_prepared = true;
    *preview = result;
    return true;
}

bool PackReader::unpack(const LessonBook &book, OnConflict onConflict, Progress *progress,
                        QString *lessonPath, QString *error)
{
    error->clear();
    if (!m_prepared)
        return false;
    const auto pathOf = [&book](const QString &member) {
        return book.programFolder() + QLatin1Char('/') + member;
    };
    LessonRecord fields;
    QByteArray lessonBytes;
    if (!readLesson(&fields, &lessonBytes, error))
        return false;
    const QSet<QString> inLists = listMembers(fields);
    // The first numbered name that is free or already holds this content.
    const auto keptName = [&](const QString &member, const QString &sha256) {
        QString kept;
        for (int n = 2;
             kept.isEmpty() || (QFileInfo::exists(pathOf(kept)) && fileSha256(pathOf(kept)) != sha256); ++n)
            kept = numbered(member, n, inLists.contains(member.toLower()));
        return kept;
    };
    const bool keepBoth = onConflict == OnConflict::KeepBoth;

    QHash<QString, QString> renames;
    QList<std::pair<const PackEntry *, QString>> writes;
    qint64 total = 0;
    for (const PackEntry &entry : std::as_const(m_entries)) {
        const bool differs = m_differing.contains(entry.member);
        if (entry.member == m_lesson || (QFileInfo::exists(pathOf(entry.member)) && !differs))
            continue;
        const QString member = differs && keepBoth ? keptName(entry.member, entry.sha256) : entry.member;
        if (member != entry.member)
            renames.insert(entry.member, member);
        if (member == entry.member || !QFileInfo::exists(pathOf(member))) {
            writes.append({&entry, member});
            total += entry.size;
        }
    }
    QStringList dropped;
    const LessonRecord lesson = confined(renamed(fields, renames), book, &dropped);
    // A lesson that needs no change keeps its bytes as its author wrote them.
    if ((!renames.isEmpty() || !dropped.isEmpty()) && !configfile::encodeLineFile(lesson, &lessonBytes)) {
        *error = QStringLiteral("无法改写课件“%1”").arg(shown(m_lesson));
        return false;
    }
    const QString lessonSha =
        QString::fromLatin1(QCryptographicHash::hash(lessonBytes, QCryptographicHash::Sha256).toHex());
    QString lessonMember = m_lesson;
    if (keepBoth && QFileInfo::exists(pathOf(m_lesson)) && fileSha256(pathOf(m_lesson)) != lessonSha)
        lessonMember = keptName(m_lesson, lessonSha);

    Staging staging(book);
    if (!staging.create(error))
        return false;
    if (progress)
        progress->start(total);
    for (const auto &[entry, member] : std::as_const(writes)) {
        const QString staged = staging.newFile();
        QFile out(staged);
        QString sha256;
        if (!out.open(QIODevice::WriteOnly) || !readMember(*entry, nullptr, &sha256, &out, progress, error) ||
            !out.flush()) {
            if (error->isEmpty())
                *error =
                    QStringLiteral("无法写入“%1”：%2，未导入任何文件").arg(pathOf(member), out.errorString());
            return false;
        }
        out.close();
        if (out.error() != QFileDevice::NoError || sha256 != entry->sha256) {
            *error = QStringLiteral("包中的“%1”写入后校验不符，未导入任何文件").arg(shown(entry->member));
            return false;
        }
        if (entry->executable)
            QFile::setPermissions(staged, QFile::permissions(staged) | QFile::ExeOwner | QFile::ExeUser |
                                              QFile::ExeGroup | QFile::ExeOther);
        staging.add(staged, pathOf(member));
    }
    // The lesson last: until it is in place, nothing names the files before it.
    if (!QFileInfo::exists(pathOf(lessonMember)) || fileSha256(pathOf(lessonMember)) != lessonSha) {
        const QString staged = staging.newFile();
        QFile out(staged);
        if (!out.open(QIODevice::WriteOnly) || out.write(lessonBytes) != lessonBytes.size() || !out.flush()) {
            *error = QStringLiteral("无法写入“%1”：%2，未导入任何文件")
                         .arg(pathOf(lessonMember), out.errorString());
            return false;
        }
        out.close();
        staging.add(staged, pathOf(lessonMember));
    }
    if (!staging.commit(error))
        return false;
    *lessonPath = pathOf(lessonMember);
    return true;
}

Room roomAt(const QString &folder)
{
    QString existing = folder;
    while (!QFileInfo::exists(existing) && existing != QFileInfo(existing).absolutePath())
        existing = QFileInfo(existing).absolutePath();
    struct statvfs status;
    if (::statvfs(QFile::encodeName(existing).constData(), &status) != 0)
        return Room{0, 4096, 0};
    const qint64 block = qint64(status.f_frsize ? status.f_frsize : status.f_bsize);
    return Room{qint64(status.f_bavail) * block, qMax<qint64>(block, 512),
                status.f_files ? qint64(status.f_favail) : -1};
}

void removeStaleStaging(const LessonBook &book)
{
    Staging::removeStale(book);
}

QString escapedControls(const QString &text, bool keepNewlines)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        if ((category != QChar::Other_Control && category != QChar::Other_Format) ||
            (keepNewlines && c == QLatin1Char('\n'))) {
            out += c;
        } else {
            const int width = c.unicode() < 0x100 ? 2 : 4;
            out += (width == 2 ? QStringLiteral("\\x") : QStringLiteral("\\u")) +
                   QString::number(c.unicode(), 16).toUpper().rightJustified(width, QLatin1Char('0'));
        }
    }
    return out;
}

} // namespace lessonpack
