#include "ziplayout.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

namespace ziplayout {

namespace {

constexpr quint32 kEndSignature = 0x06054b50;
constexpr quint32 kEnd64Signature = 0x06064b50;
constexpr quint32 kLocator64Signature = 0x07064b50;
constexpr quint32 kCentralSignature = 0x02014b50;
constexpr quint32 kLocalSignature = 0x04034b50;
constexpr int kEndSize = 22;
constexpr int kCentralSize = 46;
constexpr int kLocalSize = 30;

quint16 u16(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 u32(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint64 u64(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint64>(bytes.constData() + at);
}

bool readAt(QIODevice &device, qint64 at, qint64 count, QByteArray *bytes)
{
    if (at < 0 || count < 0 || !device.seek(at))
        return false;
    *bytes = device.read(count);
    return bytes->size() == count;
}

struct Directory {
    quint64 entries = 0;
    quint64 offset = 0;
    quint64 size = 0;
};

// The end record: the last signature whose comment reaches the file's end.
bool readDirectory(QIODevice &device, Directory *out)
{
    const qint64 fileSize = device.size();
    const qint64 tailSize = qMin<qint64>(fileSize, kEndSize + 0xFFFF);
    QByteArray tail;
    if (tailSize < kEndSize || !readAt(device, fileSize - tailSize, tailSize, &tail))
        return false;
    qint64 at = tailSize - kEndSize;
    while (at >= 0 && !(u32(tail, at) == kEndSignature && at + kEndSize + u16(tail, at + 20) == tailSize))
        --at;
    if (at < 0)
        return false;
    const qint64 endOffset = fileSize - tailSize + at;
    *out = Directory{u16(tail, at + 10), u32(tail, at + 16), u32(tail, at + 12)};
    if (out->entries != 0xFFFF && out->offset != 0xFFFFFFFF && out->size != 0xFFFFFFFF)
        return out->offset + out->size <= quint64(endOffset);
    QByteArray locator;
    QByteArray end64;
    if (!readAt(device, endOffset - 20, 20, &locator) || u32(locator, 0) != kLocator64Signature ||
        !readAt(device, qint64(u64(locator, 8)), 56, &end64) || u32(end64, 0) != kEnd64Signature)
        return false;
    *out = Directory{u64(end64, 32), u64(end64, 48), u64(end64, 40)};
    return out->offset + out->size <= u64(locator, 8);
}

// The sizes and offset a ZIP64 extra field holds for those the entry marks as too large.
void applyZip64(const QByteArray &extra, quint64 *size, quint64 *compressed, quint64 *offset)
{
    for (qint64 at = 0; at + 4 <= extra.size();) {
        const quint16 id = u16(extra, at);
        const qint64 length = u16(extra, at + 2);
        qint64 field = at + 4;
        at = field + length;
        if (id != 0x0001 || at > extra.size())
            continue;
        for (quint64 *value : {size, compressed, offset}) {
            if (*value != 0xFFFFFFFF)
                continue;
            if (field + 8 > at)
                return;
            *value = u64(extra, field);
            field += 8;
        }
        return;
    }
}

} // namespace

Verdict check(QIODevice &zip)
{
    Directory directory;
    QByteArray central;
    if (!readDirectory(zip, &directory) || directory.size > quint64(64) << 20 ||
        !readAt(zip, qint64(directory.offset), qint64(directory.size), &central))
        return {};
    quint64 previousEnd = 0;
    qint64 at = 0;
    for (quint64 entry = 0; entry < directory.entries; ++entry) {
        const Verdict fault{false, qint64(entry)};
        if (at + kCentralSize > central.size() || u32(central, at) != kCentralSignature)
            return fault;
        quint64 compressed = u32(central, at + 20);
        quint64 size = u32(central, at + 24);
        quint64 offset = u32(central, at + 42);
        const qint64 nameLength = u16(central, at + 28);
        const qint64 extraLength = u16(central, at + 30);
        const qint64 commentLength = u16(central, at + 32);
        if (at + kCentralSize + nameLength + extraLength > central.size())
            return fault;
        applyZip64(central.mid(at + kCentralSize + nameLength, extraLength), &size, &compressed, &offset);
        at += kCentralSize + nameLength + extraLength + commentLength;
        QByteArray local;
        if (offset < previousEnd || !readAt(zip, qint64(offset), kLocalSize, &local) ||
            u32(local, 0) != kLocalSignature)
            return fault;
        const quint64 dataEnd = offset + kLocalSize + u16(local, 26) + u16(local, 28) + compressed;
        if (dataEnd > directory.offset || dataEnd < offset)
            return fault;
        previousEnd = dataEnd;
    }
    return {true, -1};
}

} // namespace ziplayout
