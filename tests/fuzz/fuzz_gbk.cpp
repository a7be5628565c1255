// GBK text and the text pane's decoding: any bytes decode; text that encodes
// decodes back to itself, and the byte count agrees with the encoding.
#include "fuzzcheck.h"
#include "lesson/gbktext.h"
#include "lesson/textfiledecoding.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString text = gbk::decode(bytes);
    // The shared decoder gives what a decoder of its own would: nothing carries over.
    QStringDecoder fresh("GBK");
    FUZZ_CHECK(QString(fresh.decode(bytes)) == text);
    const QString shown = decodeTextFile(bytes);
    FUZZ_CHECK(!shown.contains(QLatin1Char('\r')));

    QByteArray encoded;
    if (!gbk::encode(text, &encoded))
        return 0;
    FUZZ_CHECK(gbk::byteLength(text) == encoded.size());
    FUZZ_CHECK(gbk::decode(encoded) == text);
    return 0;
}
