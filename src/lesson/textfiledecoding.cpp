#include "textfiledecoding.h"

#include "lesson/gbktext.h"

#include <QStringDecoder>

QString decodeTextFile(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    // The decoder drops a leading byte order mark by itself.
    if (utf8.hasError())
        text = gbk::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
