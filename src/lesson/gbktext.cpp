#include "gbktext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace gbk {

QString decode(const QByteArray &bytes)
{
    // Opening the code page costs some 300 times more than decoding a line, so one
    // stateless decoder serves every call of a thread: nothing carries from one call to the next.
    thread_local QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

bool encode(const QString &text, QByteArray *out)
{
    QList<QByteArray> encoded;
    const bool ok = encodeAll({text}, &encoded);
    *out = encoded.value(0);
    return ok;
}

bool encodeAll(const QStringList &texts, QList<QByteArray> *out, int *badIndex)
{
    // Stateless: a lone surrogate at the end of a text is an error, not a character
    // held back (and lost, or joined to the next text).
    QStringEncoder encoder("GBK", QStringEncoder::Flag::Stateless);
    out->clear();
    for (int i = 0; i < texts.size(); ++i) {
        out->append(encoder.encode(texts.at(i)));
        // The error flag stays set once raised, so it names the first bad text.
        if (encoder.hasError()) {
            if (badIndex)
                *badIndex = i;
            return false;
        }
    }
    return true;
}

int byteLength(const QString &text)
{
    QByteArray bytes;
    encode(text, &bytes);
    return bytes.size();
}

} // namespace gbk
