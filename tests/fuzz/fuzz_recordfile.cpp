// Record files (.gsx): any bytes either refused or read into the eleven record
// slots, never read past the 128-byte record; what was read packs and reads back.
#include "fuzzcheck.h"
#include "lesson/configfile.h"
#include "lesson/recordtexts.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LessonRecord fields;
    for (int i = 9; i <= 12; ++i)
        fields[i] = QStringLiteral("untouched");
    if (!configfile::readRecordFile(buffer, fields))
        return 0;
    for (int i = 9; i <= 12; ++i)
        FUZZ_CHECK(fields[i] == QLatin1String("untouched"));

    QStringList texts;
    FUZZ_CHECK(recordtexts::unpack(bytes.left(recordtexts::kRecordSize), 11, &texts));
    FUZZ_CHECK(texts.size() == 11);
    QByteArray record;
    if (recordtexts::pack(texts, &record) != recordtexts::PackResult::Ok)
        return 0;
    FUZZ_CHECK(record.size() == recordtexts::kRecordSize);
    QStringList back;
    FUZZ_CHECK(recordtexts::unpack(record, 11, &back));
    FUZZ_CHECK(back == texts);
    return 0;
}
