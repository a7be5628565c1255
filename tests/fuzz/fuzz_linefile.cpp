// Line files (.spz/.txt): any bytes refused or read into at most 15 slots; what was read
// and can be written again reads back the same.
#include "fuzzcheck.h"
#include "lesson/configfile.h"

#include <algorithm>
#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    LessonRecord fields;
    fields[slot::OtherProgram] = QStringLiteral("kept");
    const bool isText = std::find(data, data + size, 0) == data + size;
    if (!configfile::readLineFile(buffer, fields)) {
        // Refused only for a NUL among the lines read (a line is never near the size limit here).
        FUZZ_CHECK(!isText);
        FUZZ_CHECK(fields[slot::OtherProgram] == QLatin1String("kept"));
        return 0;
    }
    FUZZ_CHECK(fields[15].isEmpty());
    for (int i = 0; i < kLineFileSlots; ++i)
        FUZZ_CHECK(!fields[i].contains(QLatin1Char('\r')));

    QByteArray written;
    if (!configfile::encodeLineFile(fields, &written))
        return 0;
    FUZZ_CHECK(written.count("\r\n") >= kLineFileSlots);
    QBuffer again;
    again.setData(written);
    again.open(QIODevice::ReadOnly);
    LessonRecord back;
    FUZZ_CHECK(configfile::readLineFile(again, back));
    for (int i = 0; i < kLineFileSlots; ++i)
        FUZZ_CHECK(back[i] == fields[i]);
    return 0;
}
