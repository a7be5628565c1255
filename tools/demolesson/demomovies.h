#pragma once

#include "swf/swfmovie.h"

#include <QVector>

// The demo lesson's two Flash movies, by file name below the lesson's folder:
// a windmill turning in the wind and a fish swimming among bubbles.
QVector<SwfMovie> demoMovies();
