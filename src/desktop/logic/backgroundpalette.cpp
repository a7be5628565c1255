#include "backgroundpalette.h"

#include <array>
#include <cmath>

quint32 standardPaletteRgb(int index)
{
    static constexpr std::array<quint32, 16> kPalette = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return kPalette.at(std::size_t(index) & 15);
}

int backgroundPaletteIndex(double r)
{
    int n = int(std::floor(r * 9));
    if (n == 5 || n == 6)
        n = 3;
    return qBound(0, n, 8);
}
