#pragma once

#include "geometry/placement.h"

// The Flash pane's placement family: the standard geometry, except that Left
// and Right also set the height to half the work area, and Top the width.
TwipsRect flashPlacement(const TwipsRect &current, Position position, const FullArea &area);
