#include "lineconfigfile.h"

#include "gbktext.h"

#include <QIODevice>

namespace lineconfig {

QStringList readLines(QIODevice &device, int maxLines, bool *isText)
{
    if (isText)
        *isText = true;
    QStringList lines;
    QByteArray current;
    char c;
    bool afterCarriageReturn = false;
    bool atEnd = !device.getChar(&c);
    while (!atEnd && lines.size() < maxLines) {
        if (afterCarriageReturn && c == '\n') {
            afterCarriageReturn = false;
            atEnd = !device.getChar(&c);
            continue;
        }
        afterCarriageReturn = false;
        if (c == '\r') {
            lines.append(gbk::decode(current));
            current.clear();
            afterCarriageReturn = true;
        } else if (c == '\0' || current.size() == kMaxLineBytes) {
            if (isText)
                *isText = false;
            return lines;
        } else {
            current.append(c);
        }
        atEnd = !device.getChar(&c);
    }
    // A last line without its CR still counts when the file ends there.
    if (lines.size() < maxLines && !current.isEmpty())
        lines.append(gbk::decode(current));
    return lines;
}

bool encodeLines(const QStringList &lines, QByteArray *out, int *badLine)
{
    QList<QByteArray> encoded;
    if (!gbk::encodeAll(lines, &encoded, badLine))
        return false;
    QByteArray result;
    for (const QByteArray &bytes : encoded)
        result.append(bytes).append("\r\n");
    *out = result;
    return true;
}

} // namespace lineconfig
