#include "textfiledecoding.h"

#include "lesson/gbktext.h"

#include <QStringDecoder>

QString decodeTextFile(const QByteArray &bytes)
{
    QString text;
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes)) {
        // The mark is the writer's word: a stray bad byte stays one replacement
        // character instead of turning the whole file into GBK garbage.
        text = QStringDecoder(*marked).decode(bytes);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        if (utf8.hasError())
            text = gbk::decode(bytes);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
