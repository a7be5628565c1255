#pragma once

#include "geometry/placement.h"
#include "lesson/medialists.h"

// What the desktop's commands share for the life of one desktop window.
struct DesktopState {
    FullArea fullArea;
    MediaLists lists;
    int PictureCount = 0;
    int CurrentPicture = -1;
    int ZoomStep = 200;
};
