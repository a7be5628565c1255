#include "flashplacement.h"

TwipsRect flashPlacement(const TwipsRect &current, Position position, const FullArea &area)
{
    TwipsRect r = standardPlacement(current, position, area);
    if (position == Position::Left || position == Position::Right)
        r.height = float(double(area.Height) / 2);
    else if (position == Position::Top)
        r.width = float(double(area.Width) / 2);
    return r;
}
