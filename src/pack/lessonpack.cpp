#include "lessonpack.h"

#include "lesson/configfile.h"
#include "lesson/lessonbook.h"
#include "lesson/namedfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

namespace lessonpack {

namespace {

bool inLessonBook(int field)
{
    return field >= slot::DocumentFile && field <= slot::FlashFiles;
}

bool isList(int field)
{
    return field >= slot::TextFiles && field <= slot::PictureFiles;
}

// "a.b.jpg" as "a.b-2.jpg": no space, for list fields end their names at one.
QString numbered(const QString &member, int n)
{
    const int slash = int(member.lastIndexOf(QLatin1Char('/')));
    const int dot = int(member.lastIndexOf(QLatin1Char('.')));
    const int at = dot > slash + 1 ? dot : int(member.size());
    return member.left(at) + QLatin1Char('-') + QString::number(n) + member.mid(at);
}

// Folders packing never takes a file from, whoever's lesson names it.
bool inSystemFolder(const QString &path, const QString &home)
{
    static const char *const kSystem[] = {"/etc",   "/proc",  "/sys",    "/dev", "/root", "/var",
                                          "/usr",   "/boot",  "/run",    "/bin", "/sbin", "/lib",
                                          "/lib32", "/lib64", "/libx32", "/srv", "/opt",  "/snap"};
    if (home.size() > 1 && LessonBook::liesBelow(path, home))
        return false;
    for (const char *folder : kSystem) {
        if (LessonBook::liesBelow(path, QString::fromLatin1(folder)))
            return true;
    }
    return false;
}

// A hidden file or folder of the home: keys, histories, browsers' and mail programs' data.
bool inHiddenOfHome(const QString &path, const QString &home)
{
    return home.size() > 1 && LessonBook::liesBelow(QFileInfo(path).absolutePath(), home) &&
           QDir(home).relativeFilePath(path).startsWith(QLatin1Char('.'));
}

// Chooses members for the files a lesson names; one member per file, and
// files of the same name from different folders get numbered attachments.
class Members
{
public:
    Members(const LessonBook &book, const QString &title) : m_book(book)
    {
        m_attachments =
            lessonBookFolder() + QLatin1Char('/') + portableName(title) + QStringLiteral("-附件/");
    }

    // Empty for a file of the program's set folder, which is not packed.
    QString memberFor(const QString &path)
    {
        if (const auto known = m_bySource.constFind(path); known != m_bySource.cend())
            return *known;
        const QString folder = QFileInfo(path).absolutePath();
        if (LessonBook::liesBelow(folder, m_book.setFolder()))
            return QString();
        QString first;
        if (LessonBook::liesBelow(folder, m_book.lessonBook())) {
            QStringList parts = LessonBook::relativeName(m_book.lessonBook(), path).split(QLatin1Char('\\'));
            for (QString &part : parts)
                part = portableName(part);
            first = lessonBookFolder() + QLatin1Char('/') + parts.join(QLatin1Char('/'));
        } else {
            first = m_attachments + portableName(QFileInfo(path).fileName());
        }
        QString member = first;
        for (int n = 2; m_taken.contains(member); ++n)
            member = numbered(first, n);
        m_taken.insert(member);
        m_bySource.insert(path, member);
        m_files.append({path, member});
        return member;
    }

    const QList<PackFile> &files() const { return m_files; }

private:
    const LessonBook &m_book;
    QString m_attachments;
    QHash<QString, QString> m_bySource;
    QSet<QString> m_taken;
    QList<PackFile> m_files;
};

} // namespace

QString portableName(const QString &name)
{
    static const QString kRefused = QStringLiteral(":*?\"<>|/\\");
    QString portable = name;
    for (QChar &c : portable) {
        if (c.isSpace() || c.category() == QChar::Other_Control || kRefused.contains(c))
            c = QLatin1Char('_');
    }
    // Windows drops a trailing dot, so "a." and "a" would be one file there.
    if (portable.endsWith(QLatin1Char('.')))
        portable.back() = QLatin1Char('_');
    return portable;
}

QString manifestName()
{
    return QStringLiteral("veltano-pack.json");
}

QString lessonBookFolder()
{
    return QStringLiteral("备课本");
}

QString memberOf(int field, const QString &stored)
{
    const QString name = LessonBook::toNativeSeparators(stored);
    return inLessonBook(field) ? lessonBookFolder() + QLatin1Char('/') + name : name;
}

QString storedOf(int field, const QString &member)
{
    const QString prefix = lessonBookFolder() + QLatin1Char('/');
    const QString name =
        inLessonBook(field) && member.startsWith(prefix) ? member.mid(prefix.size()) : member;
    return LessonBook::toStoredSeparators(name);
}

QString memberNamed(int field, const QString &stored)
{
    if (LessonBook::isRelativeName(stored))
        return memberOf(field, stored);
    const QStringList parts = LessonBook::toNativeSeparators(stored).split(QLatin1Char('/'));
    const int at = int(parts.indexOf(lessonBookFolder()));
    return at < 0 ? QString() : parts.mid(at).join(QLatin1Char('/'));
}

LessonRecord renamed(const LessonRecord &fields, const QHash<QString, QString> &members)
{
    LessonRecord out = fields;
    const auto rename = [&members](int field, const QString &stored) {
        // Letter case does not count, as the desktop finds files.
        const QString member = memberNamed(field, stored);
        for (auto to = members.cbegin(); !member.isEmpty() && to != members.cend(); ++to) {
            if (to.key().compare(member, Qt::CaseInsensitive) == 0)
                return storedOf(field, to.value());
        }
        return stored;
    };
    for (int field = slot::DocumentFile; field <= slot::OtherProgram; ++field) {
        if (!isList(field)) {
            const QString name = fields[field].trimmed();
            if (const QString to = rename(field, name); to != name)
                out[field] = to;
            continue;
        }
        QStringList names = fields[field].split(QLatin1Char(' '));
        for (QString &name : names) {
            if (!name.isEmpty())
                name = rename(field, name);
        }
        out[field] = names.join(QLatin1Char(' '));
    }
    return out;
}

LessonRecord confined(const LessonRecord &fields, const LessonBook &book, QStringList *dropped)
{
    LessonRecord out = fields;
    const QString programFolder = QDir::cleanPath(book.programFolder());
    const auto outside = [&programFolder](const QString &path) {
        const QString clean = QDir::cleanPath(QDir(programFolder).absoluteFilePath(path));
        return !LessonBook::liesBelow(QFileInfo(clean).absolutePath(), programFolder);
    };
    for (const CheckItem &item : lessonmedia::itemsOf(fields, book)) {
        // A name not found here stays as stored; where it would lead once such
        // a file exists counts too ("备课本\..\..\x").
        const QString root = inLessonBook(item.field) ? book.lessonBook() : programFolder;
        if (!outside(QDir(root).absoluteFilePath(item.path)))
            continue;
        dropped->append(item.stored);
        if (!isList(item.field)) {
            out[item.field].clear();
            continue;
        }
        QStringList names = out[item.field].split(QLatin1Char(' '));
        names.removeOne(item.stored);
        out[item.field] = names.join(QLatin1Char(' '));
    }
    // A page's address may name a file too.
    const QString address = out[slot::WebAddress].trimmed();
    if (address.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) &&
        outside(QUrl(address).toLocalFile())) {
        dropped->append(address);
        out[slot::WebAddress].clear();
    }
    return out;
}

bool plan(const LessonRecord &fields, const LessonBook &book, const QString &documentsFolder, PackPlan *out,
          QString *error)
{
    const QString title =
        fields[slot::LessonTitle].isEmpty() ? QStringLiteral("课件") : fields[slot::LessonTitle];
    const QString home = QDir::homePath();
    Members members(book, title);
    LessonRecord packed = fields;
    // The lesson book itself is the document folder wherever the pack is unpacked.
    packed[slot::DocumentFolder] = lessonBookFolder();
    QHash<int, QStringList> lists;
    PackPlan result;
    for (CheckItem &item : lessonmedia::itemsOf(fields, book)) {
        QString stored = item.stored;
        // Judged where it really lies: a link in the lesson book may point anywhere.
        const QFileInfo info(item.path);
        const QString real = info.canonicalFilePath();
        const bool ours = LessonBook::liesBelow(real, QFileInfo(book.programFolder()).canonicalFilePath());
        if (!info.exists()) {
            item.status = CheckItem::Status::Missing;
            result.missing.append(item);
        } else if (!ours && (inSystemFolder(real, home) || inHiddenOfHome(real, home))) {
            item.status = CheckItem::Status::Unplayable;
            item.reason = QStringLiteral("在系统或隐藏的文件夹中");
            result.refused.append(item);
            // Not even its name leaves the computer.
            stored.clear();
        } else if (const QString why = namedfile::problem(real, item.kind); !why.isEmpty()) {
            item.status = CheckItem::Status::Unplayable;
            item.reason = why;
            result.refused.append(item);
        } else if (const QString member = members.memberFor(info.absoluteFilePath()); !member.isEmpty()) {
            if (!ours && !LessonBook::liesBelow(real, documentsFolder) && !result.outside.contains(real))
                result.outside.append(real);
            stored = storedOf(item.field, member);
        } else if (!inLessonBook(item.field)) {
            // A file of the set folder, by its name below the program folder.
            stored = LessonBook::relativeName(book.programFolder(), info.absoluteFilePath());
        }
        if (!isList(item.field))
            packed[item.field] = stored;
        else if (QStringList &list = lists[item.field]; !stored.isEmpty())
            list.append(stored);
    }
    for (auto list = lists.cbegin(); list != lists.cend(); ++list)
        packed[list.key()] = list->isEmpty() ? QString() : list->join(QLatin1Char(' ')) + QLatin1Char(' ');
    int badSlot = -1;
    if (!configfile::encodeLineFile(packed, &result.lessonBytes, &badSlot)) {
        if (error)
            *error = QStringLiteral("课件第 %1 行有 GBK 无法表示的字符").arg(badSlot + 1);
        return false;
    }
    const QString chapter = fields[slot::ChapterTitle];
    result.lessonMember = LessonBook::savedLessonPath(
        lessonBookFolder(), chapter.isEmpty() ? chapter : portableName(chapter), portableName(title));
    result.files = members.files();
    *out = result;
    return true;
}

QString fileSha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace lessonpack
