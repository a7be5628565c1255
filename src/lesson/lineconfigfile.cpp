#include "lineconfigfile.h"

#include "gbktext.h"

#include <QIODevice>

namespace lineconfig {

QStringList readLines(QIODevice &device, int maxLines)
{
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
    QByteArray result;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray bytes;
        if (!gbk::encode(lines.at(i), &bytes)) {
            if (badLine)
                *badLine = i;
            return false;
        }
        result.append(bytes);
        result.append("\r\n");
    }
    *out = result;
    return true;
}

} // namespace lineconfig
