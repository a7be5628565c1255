#include "packwriter.h"

#include "packprogress.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sys/stat.h>
#include <zip.h>

namespace lessonpack {

namespace {

QJsonObject entry(const QString &member, qint64 size, const QString &sha256)
{
    return QJsonObject{
        {QStringLiteral("name"), member}, {QStringLiteral("size"), size}, {QStringLiteral("sha256"), sha256}};
}

// Adds bytes that outlive the call (libzip reads them when the archive closes).
bool addBytes(zip_t *zip, const QString &member, const QByteArray &bytes)
{
    zip_source_t *source = zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    if (!source)
        return false;
    if (zip_file_add(zip, member.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}

// Files whose content is compressed already.
bool compressedAlready(const QString &member)
{
    static const QStringList kSuffixes = {
        QStringLiteral("jpg"),  QStringLiteral("jpeg"), QStringLiteral("png"),  QStringLiteral("gif"),
        QStringLiteral("webp"), QStringLiteral("mp4"),  QStringLiteral("m4v"),  QStringLiteral("m4a"),
        QStringLiteral("mov"),  QStringLiteral("mkv"),  QStringLiteral("webm"), QStringLiteral("avi"),
        QStringLiteral("wmv"),  QStringLiteral("flv"),  QStringLiteral("mpg"),  QStringLiteral("mpeg"),
        QStringLiteral("mp3"),  QStringLiteral("aac"),  QStringLiteral("ogg"),  QStringLiteral("opus"),
        QStringLiteral("flac"), QStringLiteral("wma"),  QStringLiteral("swf"),  QStringLiteral("zip")};
    return kSuffixes.contains(QFileInfo(member).suffix().toLower());
}

// What libzip reports while it writes the archive, as bytes of the whole.
struct Reporter {
    Progress *progress;
    qint64 bytes; // what the archive's writing stands for
    qint64 reported = 0;
};

void reportWriting(zip_t *, double fraction, void *state)
{
    auto *reporter = static_cast<Reporter *>(state);
    const qint64 now = qint64(fraction * double(reporter->bytes));
    reporter->progress->advance(now - reporter->reported);
    reporter->reported = now;
}

int cancelWriting(zip_t *, void *state)
{
    return static_cast<Reporter *>(state)->progress->cancelled() ? 1 : 0;
}

} // namespace

bool writePack(const PackPlan &plan, const QString &zipPath, const QString &version, Progress *progress,
               QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    qint64 bytes = 0;
    for (const PackFile &file : plan.files)
        bytes += QFileInfo(file.source).size();
    // Read twice: once for the manifest's checksums, once into the archive.
    if (progress)
        progress->start(2 * bytes);
    QJsonArray files;
    files.append(entry(
        plan.lessonMember, plan.lessonBytes.size(),
        QString::fromLatin1(QCryptographicHash::hash(plan.lessonBytes, QCryptographicHash::Sha256).toHex())));
    for (const PackFile &file : plan.files) {
        const QString sha256 = fileSha256(file.source);
        if (sha256.isEmpty())
            return fail(QStringLiteral("无法读取“%1”").arg(file.source));
        if (progress && !progress->advance(QFileInfo(file.source).size()))
            return fail(QStringLiteral("已取消，未写入课件包"));
        files.append(entry(file.member, QFileInfo(file.source).size(), sha256));
    }
    const QByteArray manifest =
        QJsonDocument(QJsonObject{{QStringLiteral("program"), QStringLiteral("Veltano")},
                                  {QStringLiteral("version"), version},
                                  {QStringLiteral("lesson"), plan.lessonMember},
                                  {QStringLiteral("files"), files}})
            .toJson();

    int code = 0;
    zip_t *zip = zip_open(QFile::encodeName(zipPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!zip)
        return fail(QStringLiteral("无法创建“%1”").arg(zipPath));
    bool added = addBytes(zip, plan.lessonMember, plan.lessonBytes);
    for (const PackFile &file : plan.files) {
        zip_source_t *source = zip_source_file(zip, QFile::encodeName(file.source).constData(), 0, -1);
        const zip_int64_t index = added && source ? zip_file_add(zip, file.member.toUtf8().constData(),
                                                                 source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE)
                                                  : -1;
        if (index < 0) {
            zip_source_free(source);
            added = false;
            break;
        }
        if (compressedAlready(file.member))
            zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
        // The other program of a lesson must stay one that can be started.
        const zip_uint32_t mode = S_IFREG | (QFileInfo(file.source).isExecutable() ? 0755 : 0644);
        zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, mode << 16);
    }
    added = added && addBytes(zip, manifestName(), manifest);
    Reporter reporter{progress, bytes};
    if (progress) {
        zip_register_progress_callback_with_state(zip, 0.001, reportWriting, nullptr, &reporter);
        zip_register_cancel_callback_with_state(zip, cancelWriting, nullptr, &reporter);
    }
    // zip_close writes a new file and renames it over the old one.
    if (!added || zip_close(zip) < 0) {
        const QString why = progress && progress->cancelled() ? QStringLiteral("已取消")
                                                              : QString::fromLocal8Bit(zip_strerror(zip));
        zip_discard(zip);
        return fail(QStringLiteral("无法写入“%1”：%2").arg(zipPath, why));
    }
    return true;
}

} // namespace lessonpack
