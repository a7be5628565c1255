#include "swfprobe.h"

#include <QFile>
#include <QtEndian>

namespace swfprobe {

namespace {

const int kHeaderSize = 8;
// Bodies larger than this are left to the emulator rather than inflated twice.
const quint32 kLargestInflated = 64u << 20;

// Inflates the zlib body and tells whether it holds `expected` bytes.
bool inflatesTo(const QByteArray &body, quint32 expected)
{
    QByteArray sized(4, '\0');
    qToBigEndian(expected, sized.data());
    const QByteArray inflated = qUncompress(sized + body);
    return quint32(inflated.size()) == expected;
}

} // namespace

Verdict check(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Verdict::Missing;
    const QByteArray header = file.read(kHeaderSize);
    if (header.size() < kHeaderSize || header.mid(1, 2) != "WS")
        return Verdict::NotFlash;
    const char kind = header.at(0);
    if (kind != 'F' && kind != 'C' && kind != 'Z')
        return Verdict::NotFlash;
    const quint32 declared = qFromLittleEndian<quint32>(header.constData() + 4);
    if (declared <= quint32(kHeaderSize))
        return Verdict::NotFlash;
    if (kind == 'F')
        return quint64(file.size()) < declared ? Verdict::Truncated : Verdict::Playable;
    if (kind == 'C' && declared - kHeaderSize <= kLargestInflated)
        return inflatesTo(file.readAll(), declared - kHeaderSize) ? Verdict::Playable : Verdict::Truncated;
    return Verdict::Playable;
}

QString describe(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Missing:
        return QStringLiteral("文件不存在或不能读取");
    case Verdict::NotFlash:
        return QStringLiteral("不是 Flash 动画文件");
    case Verdict::Truncated:
        return QStringLiteral("文件不完整");
    case Verdict::Playable:
        break;
    }
    return QString();
}

} // namespace swfprobe
