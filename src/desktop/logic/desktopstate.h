#pragma once

#include "desktop/logic/panekind.h"
#include "geometry/placement.h"
#include "lesson/medialists.h"

#include <optional>

// What the desktop's commands share for the life of one desktop window.
struct DesktopState {
    FullArea fullArea;
    MediaLists lists;
    int PictureCount = 0;
    int CurrentPicture = -1;
    int ZoomStep = 200;
    // The kind of the pane the teacher touched last; none before any, when
    // ClickTs still reads "提示".
    std::optional<PaneKind> currentPaneKind;
};
