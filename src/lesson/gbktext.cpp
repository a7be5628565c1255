#include "gbktext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace gbk {

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

bool encode(const QString &text, QByteArray *out)
{
    QStringEncoder encoder("GBK");
    *out = encoder.encode(text);
    return !encoder.hasError();
}

int byteLength(const QString &text)
{
    QByteArray bytes;
    encode(text, &bytes);
    return bytes.size();
}

} // namespace gbk
