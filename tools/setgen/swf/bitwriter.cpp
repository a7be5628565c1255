#include "swf/bitwriter.h"

#include <algorithm>

void BitWriter::writeUB(int bits, uint32_t value)
{
    for (int i = bits - 1; i >= 0; --i) {
        m_pending = static_cast<uint8_t>((m_pending << 1) | ((value >> i) & 1u));
        if (++m_pendingBits == 8) {
            m_bytes.append(static_cast<char>(m_pending));
            m_pending = 0;
            m_pendingBits = 0;
        }
    }
}

void BitWriter::writeSB(int bits, int32_t value)
{
    writeUB(bits, static_cast<uint32_t>(value));
}

void BitWriter::writeFB(int bits, double value)
{
    writeSB(bits, toFixed(value));
}

void BitWriter::align()
{
    if (m_pendingBits > 0)
        writeUB(8 - m_pendingBits, 0);
}

void BitWriter::writeUI8(uint8_t value)
{
    align();
    m_bytes.append(static_cast<char>(value));
}

void BitWriter::writeUI16(uint16_t value)
{
    writeUI8(value & 0xff);
    writeUI8(value >> 8);
}

void BitWriter::writeUI32(uint32_t value)
{
    writeUI16(value & 0xffff);
    writeUI16(value >> 16);
}

void BitWriter::writeBytes(const QByteArray &bytes)
{
    align();
    m_bytes.append(bytes);
}

QByteArray BitWriter::bytes()
{
    align();
    return m_bytes;
}

int BitWriter::signedBits(std::initializer_list<int32_t> values)
{
    int bits = 1;
    for (int32_t v : values) {
        uint32_t magnitude = static_cast<uint32_t>(v < 0 ? ~v : v);
        int needed = 1;
        while (magnitude != 0) {
            magnitude >>= 1;
            ++needed;
        }
        bits = std::max(bits, needed);
    }
    return bits;
}
