// Lesson packs: any bytes are refused with a reason, or give members that all
// stay in the lesson book and read back as the manifest says, within their
// sizes; unpacked, they land in the lesson book alone, with no staging folder
// left, and a failed unpack leaves nothing.
#include "fuzzcheck.h"
#include "lesson/lessonbook.h"
#include "pack/lessonpack.h"
#include "pack/packreader.h"

#include <QDirIterator>
#include <QTemporaryDir>

namespace {

QStringList everythingBelow(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An empty program folder: the reader compares with it but never writes.
    static const QTemporaryDir programFolder;
    lessonpack::PackReader reader;
    QString error;
    if (!reader.openData(QByteArray(reinterpret_cast<const char *>(data), int(size)), &error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!reader.lessonMember().isEmpty());
    qint64 total = 0;
    for (const lessonpack::PackEntry &entry : reader.entries()) {
        FUZZ_CHECK(lessonpack::refusalOf(entry.member).isEmpty());
        FUZZ_CHECK(entry.size >= 0);
        total += entry.size;
    }
    lessonpack::ImportPreview preview;
    if (!reader.prepare(LessonBook(programFolder.path()), lessonpack::Room{qint64(64) << 20}, nullptr,
                        &preview, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(preview.totalSize == total);
    FUZZ_CHECK(preview.differing.isEmpty());

    const QTemporaryDir target;
    const LessonBook book(target.path());
    QString lessonPath;
    const bool unpacked = reader.unpack(book, lessonpack::OnConflict::KeepBoth, nullptr, &lessonPath, &error);
    const QStringList written = everythingBelow(target.path());
    if (!unpacked) {
        FUZZ_CHECK(!error.isEmpty());
        FUZZ_CHECK(written.isEmpty());
        return 0;
    }
    FUZZ_CHECK(QFileInfo(lessonPath).isFile());
    for (const QString &path : written) {
        FUZZ_CHECK(path == lessonpack::lessonBookFolder() ||
                   path.startsWith(lessonpack::lessonBookFolder() + QLatin1Char('/')));
        FUZZ_CHECK(!path.contains(QLatin1String(".veltano-import-")));
    }
    return 0;
}
