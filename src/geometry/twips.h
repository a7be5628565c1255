#pragma once

#include <cmath>
#include <QRect>

// A pane's place in twips, single precision, as its widget is told.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    bool operator==(const TwipsRect &o) const
    {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// Geometry is kept in twips (1/1440 inch) as single-precision values and only
// turned into pixels when applied to a widget.
class TwipsScale
{
public:
    explicit TwipsScale(double logicalDpiX = 96.0, double logicalDpiY = 96.0)
        : m_perPixelX(1440.0 / logicalDpiX), m_perPixelY(1440.0 / logicalDpiY)
    {}

    int toPixelsX(double twips) const { return int(std::lround(twips / m_perPixelX)); }
    int toPixelsY(double twips) const { return int(std::lround(twips / m_perPixelY)); }
    float toTwipsX(int pixels) const { return float(pixels * m_perPixelX); }
    float toTwipsY(int pixels) const { return float(pixels * m_perPixelY); }

    QRect toPixels(double left, double top, double width, double height) const
    {
        return QRect(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
    }
    QRect toPixels(const TwipsRect &rect) const
    {
        return toPixels(rect.left, rect.top, rect.width, rect.height);
    }

private:
    double m_perPixelX;
    double m_perPixelY;
};
