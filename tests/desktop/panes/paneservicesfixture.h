#pragma once

// A pane's services from fakes alone, for building one pane without the
// desktop, the screen flow or any other window: a temporary program folder,
// the lesson record, the teacher's settings, 15 twips per pixel and the fake
// platform. A window a pane presents is simply shown.

#include "desktop/panes/paneservices.h"
#include "fakes/fakeplatform.h"
#include "lesson/lessonbook.h"
#include "lesson/settingsfile.h"

#include <QTemporaryDir>
#include <QWidget>

struct PaneServicesFixture {
    QTemporaryDir programDir;
    FakePlatform fakes;
    LessonRecord lesson;
    Settings settings;
    LessonBook book{programDir.path()};
    TwipsScale scale{96, 96};
    PaneServices services{lesson,
                          settings,
                          book,
                          scale,
                          &fakes.fileDialog,
                          &fakes.messageBox,
                          &fakes.choiceDialogs,
                          &fakes.documents,
                          &fakes.mediaPlayers,
                          &fakes.flashPlayers,
                          &fakes.deckPlayers,
                          [](QWidget *window) { window->show(); }};
};
