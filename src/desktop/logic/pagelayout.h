#pragma once

#include "geometry/twips.h"

// A page of the word processor in centimetres: its size and margins. Each
// document container lays its page out on one of these.
struct PageLayout {
    double width;
    double height;
    double top;
    double bottom;
    double left;
    double right;

    double textWidth() const { return width - left - right; }
    double textHeight() const { return height - top - bottom; }

    // What a container shows of its page, in twips from the container's
    // top-left corner: the text column between the margins, as an embedded
    // word-processor page shows its text without the paper around it.
    TwipsRect shownColumn() const
    {
        const double twipsPerCentimetre = 1440 / 2.54;
        return {0, 0, float(textWidth() * twipsPerCentimetre), float(textHeight() * twipsPerCentimetre)};
    }
};

namespace pagelayouts {
// The container over the whole work area (OLE1).
inline constexpr PageLayout kLarge{29.7, 42, 2.2, 2.1, 2.8, 2.8};
// The movable Word pane (OLE2).
inline constexpr PageLayout kSquare{18, 18, 2.2, 2.1, 2.8, 2.8};
} // namespace pagelayouts
