#pragma once

#include <cmath>
#include <cstdint>

// The placement of a character: scale and rotation (as 16.16 fixed point in the
// file) and a translation in twips.
struct SwfMatrix {
    double scaleX = 1.0;
    double scaleY = 1.0;
    double rotateSkew0 = 0.0;
    double rotateSkew1 = 0.0;
    int32_t translateX = 0;
    int32_t translateY = 0;

    static SwfMatrix translation(int32_t x, int32_t y) { return rotation(0.0, 1.0, x, y); }

    // Turns by `degrees` (clockwise on screen, y grows downwards) and scales evenly.
    static SwfMatrix rotation(double degrees, double scale, int32_t x, int32_t y)
    {
        const double radians = degrees * M_PI / 180.0;
        SwfMatrix m;
        m.scaleX = m.scaleY = std::cos(radians) * scale;
        m.rotateSkew0 = std::sin(radians) * scale;
        m.rotateSkew1 = -std::sin(radians) * scale;
        m.translateX = x;
        m.translateY = y;
        return m;
    }
};
