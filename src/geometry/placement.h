#pragma once

#include "geometry/twips.h"

#include <QtGlobal>

// The desktop's work area, read once from the document container at start-up.
// 32-bit, so screens wider than 2184 pixels still fit.
struct FullArea {
    qint32 Left = 0;
    qint32 Width = 0;
    qint32 Top = 0;
    qint32 Height = 0;
};

// The positions every pane family knows.
enum class Position { Full, Centre, Left, Right, Top, Bottom };

// The standard geometry of a position: Full and Centre set all four values;
// Left/Right change only the horizontal extent, Top/Bottom only the vertical.
// Right, Centre and Bottom offsets come from W and H alone, without L or T.
TwipsRect standardPlacement(const TwipsRect &current, Position position, const FullArea &area);

// The Word pane's positions: as the standard ones, but every position also
// halves both dimensions, so each gives a half-size pane. The family has no
// full position.
TwipsRect wordPlacement(const TwipsRect &current, Position position, const FullArea &area);

// A place on one work area carried to a work area of another size (the lesson
// moved screens): each edge keeps its share of the width or height, so a half
// stays a half and nothing is left outside the smaller area.
TwipsRect refitted(const TwipsRect &rect, const FullArea &from, const FullArea &to);
