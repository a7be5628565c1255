#pragma once

#include "lesson/lessonfields.h"
#include "lesson/settingsfile.h"

#include <QString>

// The program-wide state: owned by the application object, handed to every window.
// Nothing else in the program is global and mutable.
struct SharedState {
    double ScreenWidth = 0;  // the lesson screen's width in twips
    double ScreenHeight = 0; // the lesson screen's height in twips
    QString ConfigPath;      // the chosen lesson configuration file; "" after each start-up
    LessonRecord LessonFields;
    Settings SettingsRecord;
    QString HomeUrl;
};
