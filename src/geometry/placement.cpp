#include "placement.h"

TwipsRect standardPlacement(const TwipsRect &current, Position position, const FullArea &area)
{
    const double L = area.Left;
    const double T = area.Top;
    const double W = area.Width;
    const double H = area.Height;
    TwipsRect r = current;
    switch (position) {
    case Position::Full:
        r = {float(L), float(T), float(W), float(H)};
        break;
    case Position::Centre:
        r = {float(W / 4), float(H / 4), float(W / 2), float(H / 2)};
        break;
    case Position::Left:
        r.left = float(L);
        r.width = float(W / 2);
        break;
    case Position::Right:
        r.left = float(W / 2);
        r.width = float(W / 2);
        break;
    case Position::Top:
        r.top = float(T);
        r.height = float(H / 2);
        break;
    case Position::Bottom:
        r.top = float(H / 2);
        r.height = float(H / 2);
        break;
    }
    return r;
}

TwipsRect wordPlacement(const TwipsRect &current, Position position, const FullArea &area)
{
    TwipsRect r = standardPlacement(current, position, area);
    r.width = float(area.Width / 2.0);
    r.height = float(area.Height / 2.0);
    return r;
}

TwipsRect refitted(const TwipsRect &rect, const FullArea &from, const FullArea &to)
{
    if (from.Width <= 0 || from.Height <= 0)
        return rect;
    const double x = double(to.Width) / from.Width;
    const double y = double(to.Height) / from.Height;
    return {float(to.Left + (rect.left - from.Left) * x), float(to.Top + (rect.top - from.Top) * y),
            float(rect.width * x), float(rect.height * y)};
}
