// Lesson packs: any bytes are refused with a reason, or give members that all
// stay in the lesson book and read back as the manifest says, within their sizes.
#include "fuzzcheck.h"
#include "lesson/lessonbook.h"
#include "pack/packreader.h"

#include <QTemporaryDir>

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
    if (reader.prepare(LessonBook(programFolder.path()), qint64(64) << 20, &preview, &error)) {
        FUZZ_CHECK(preview.totalSize == total);
        FUZZ_CHECK(preview.differing.isEmpty());
    } else {
        FUZZ_CHECK(!error.isEmpty());
    }
    return 0;
}
