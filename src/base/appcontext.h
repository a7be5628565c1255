#pragma once

#include "geometry/twips.h"
#include "lesson/lessonbook.h"
#include "platform/platformservices.h"

class ScreenFlow;
class ScreenRoles;
struct SharedState;

// What every window is given: the shared state, the platform services, the
// program's folders, the screen flow, the twips scale of the lesson's screen
// (set afresh by each start-up) and the screen roles.
struct AppContext {
    SharedState &state;
    PlatformServices platform;
    LessonBook book;
    QString settingsPath;
    ScreenFlow &flow;
    TwipsScale scale;
    ScreenRoles &screens;
};
