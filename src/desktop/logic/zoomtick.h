#pragma once

#include "geometry/placement.h"

// The zoom modes, as the check marks of 放大 and 缩小 tell them on this tick.
struct ZoomMode {
    bool enlarge = false;
    bool shrink = false;
};

// One tick of the desktop's zoom timer on the picture `p`: the picture grows
// (or shrinks) by `step` twips of width in five sub-steps (one jump in the
// top-left corner), keeps 4:3 and holds the edges of the work area it touches.
// The work area's Width and Height are its right and bottom limits. Every
// write is seen by the next and stored in single precision. Returns false
// when the timer is to stop: the height has crossed the mode's threshold, or
// a zoom out would leave the picture narrower than one step (it then stays).
bool zoomTick(TwipsRect &p, ZoomMode mode, const FullArea &area, int step);

// Whether a click on a picture starts the zoom timer: zoom in needs pictures
// in the layout, zoom out does not.
inline bool zoomStarts(int pictureCount, ZoomMode mode)
{
    return (pictureCount > 0 && mode.enlarge) || mode.shrink;
}
