#pragma once

#include "geometry/placement.h"

// Design sizes of the desktop's fixed parts, in twips.
namespace desktopdesign {
constexpr float kStripWidth = 615;   // Frame2, the toolbar strip at the right edge
constexpr float kToolbarWidth = 855; // Toolbar1
constexpr float kToolbarTop = 120;   // Toolbar1's top within Frame2
constexpr float kText1Height = 1695; // Text1 before the toolbar fitting
} // namespace desktopdesign

// The work area Frame1 and the strip Frame2 laid out on the screen.
struct DesktopFrames {
    TwipsRect frame1;
    TwipsRect frame2;
};

// SW and SH are the screen size in twips. The work area's height leaves room
// for the toolbar's width, as the Windows version measured it.
DesktopFrames layoutFrames(double screenWidth, double screenHeight, float stripWidth, float toolbarWidth);

// FullArea as read from the document container: each value rounded to the nearest integer.
FullArea fullAreaOf(const TwipsRect &documentContainer);

// Where the panes start, sized from the work area F (before FullArea exists).
struct WorkAreaPlaces {
    TwipsRect ole1;     // covers the work area; its Left stays 0
    TwipsRect richText; // full size, design Left 0 and Top 120
    TwipsRect flash;    // lower right quarter
    TwipsRect deck;     // upper left quarter
};
WorkAreaPlaces workAreaPlaces(const TwipsRect &frame1);

// Where the panes start, placed from FullArea (L, T, W, H).
struct FullAreaPlaces {
    TwipsRect player;  // Left L, Top H/2, design size 3015 x 2175
    TwipsRect drawing; // lower right quarter
    TwipsRect ole2;    // the whole work area
    TwipsRect image0;  // Left W/2 + 2, Top T, design size 7215 x 4935
};
FullAreaPlaces fullAreaPlaces(const FullArea &area);
