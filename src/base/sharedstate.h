#pragma once

#include "lesson/lessonfields.h"
#include "lesson/settingsfile.h"

#include <QString>

// The program-wide state: owned by the application object, handed to every window.
// Nothing else in the program is global and mutable.
struct SharedState {
    QString ScreenWidthText;  // screen width in twips, as decimal text
    QString ScreenHeightText; // screen height in twips, as decimal text
    QString ConfigPath;       // the chosen lesson configuration file; "" after each start-up
    LessonRecord LessonFields;
    Settings SettingsRecord;
    QString HomeUrl;

    double screenWidth() const { return ScreenWidthText.toDouble(); }
    double screenHeight() const { return ScreenHeightText.toDouble(); }
};
