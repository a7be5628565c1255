#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <zlib.h>

// A zip written byte by byte, for what zip tools never write: central entries
// that point at another member's data, names with control characters, folder
// entries, names in any encoding.
namespace rawzip {

struct Member {
    QByteArray name;
    QByteArray data;
    bool deflate = false;
    int sharesDataOf = -1; // the central entry points at this earlier member's local header
    bool utf8 = true;
};

inline void put16(QByteArray &out, quint32 value)
{
    char bytes[2];
    qToLittleEndian<quint16>(quint16(value), bytes);
    out.append(bytes, 2);
}
inline void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    out.append(bytes, 4);
}

inline QByteArray rawDeflate(const QByteArray &data)
{
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.truncate(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}

inline QByteArray build(const QList<Member> &members)
{
    struct Header {
        quint32 offset, crc, packed, size;
        bool deflate;
    };
    QList<Header> headers;
    QByteArray out;
    QByteArray central;
    for (const Member &member : members) {
        const quint16 flags = member.utf8 ? 0x0800 : 0;
        Header header;
        if (member.sharesDataOf >= 0) {
            header = headers.at(member.sharesDataOf);
        } else {
            const QByteArray packed = member.deflate ? rawDeflate(member.data) : member.data;
            header = {quint32(out.size()),
                      quint32(crc32(0, reinterpret_cast<const Bytef *>(member.data.constData()),
                                    uInt(member.data.size()))),
                      quint32(packed.size()), quint32(member.data.size()), member.deflate};
            put32(out, 0x04034b50);
            put16(out, 20);
            put16(out, flags);
            put16(out, member.deflate ? 8 : 0);
            put32(out, 0);
            put32(out, header.crc);
            put32(out, header.packed);
            put32(out, header.size);
            put16(out, quint32(member.name.size()));
            put16(out, 0);
            out += member.name + packed;
        }
        headers.append(header);
        put32(central, 0x02014b50);
        put16(central, 20);
        put16(central, 20);
        put16(central, flags);
        put16(central, header.deflate ? 8 : 0);
        put32(central, 0);
        put32(central, header.crc);
        put32(central, header.packed);
        put32(central, header.size);
        put16(central, quint32(member.name.size()));
        put32(central, 0); // extra and comment lengths
        put32(central, 0); // disk, internal attributes
        put32(central, 0); // external attributes
        put32(central, header.offset);
        central += member.name;
    }
    const quint32 centralOffset = quint32(out.size());
    out += central;
    put32(out, 0x06054b50);
    put32(out, 0);
    put16(out, quint32(members.size()));
    put16(out, quint32(members.size()));
    put32(out, quint32(central.size()));
    put32(out, centralOffset);
    put16(out, 0);
    return out;
}

} // namespace rawzip
