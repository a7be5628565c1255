#pragma once

#include "geometry/twips.h"
#include "lesson/lessonbook.h"
#include "platform/platformservices.h"

class ScreenFlow;
struct SharedState;

// What every window is given: the shared state, the platform services, the
// program's folders, the screen flow and the twips scale of the screen.
struct AppContext {
    SharedState &state;
    PlatformServices platform;
    LessonBook book;
    QString settingsPath;
    ScreenFlow &flow;
    TwipsScale scale;
};
