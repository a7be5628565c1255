#pragma once

#include <cstdint>
#include <initializer_list>
#include <QByteArray>

// Packs the bit fields of SWF records (most significant bit first) and the
// little-endian integers between them. Byte-sized writes first align to a byte.
class BitWriter
{
public:
    void writeUB(int bits, uint32_t value);
    void writeSB(int bits, int32_t value);
    // 16.16 fixed-point number stored in `bits` bits.
    void writeFB(int bits, double value);
    void align();

    void writeUI8(uint8_t value);
    void writeUI16(uint16_t value);
    void writeUI32(uint32_t value);
    void writeBytes(const QByteArray &bytes);

    QByteArray bytes();

    // Fewest bits that hold every value as a signed field (at least 1).
    static int signedBits(std::initializer_list<int32_t> values);
    static int32_t toFixed(double value)
    {
        return static_cast<int32_t>(value * 65536.0 + (value < 0 ? -0.5 : 0.5));
    }

private:
    QByteArray m_bytes;
    uint8_t m_pending = 0;
    int m_pendingBits = 0;
};
