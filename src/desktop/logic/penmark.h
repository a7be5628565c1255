#pragma once

#include "geometry/placement.h"

// The drawing pen leaves one square per reported pointer position: the box
// from (x, y) to (x + 60, y + 60), in twips. Consecutive marks are not joined.
namespace penmark {

constexpr float kSize = 60;

TwipsRect at(float x, float y);

} // namespace penmark
