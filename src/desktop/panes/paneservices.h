#pragma once

#include "geometry/twips.h"
#include "lesson/lessonfields.h"

#include <functional>

class ChoiceDialogs;
class DeckPlayerFactory;
class DocumentConverter;
class FileDialog;
class FlashPlayerFactory;
class LessonBook;
class MediaPlayerFactory;
class MessageBox;
class QWidget;
struct Settings;

// What a pane and its install function are handed instead of the whole
// program: the lesson it shows, the program's folders, the lesson screen's
// scale and the few hosted components panes reach. The desktop builds it once
// from its AppContext; a pane test builds it from fakes alone.
struct PaneServices {
    // The lesson's fields; the Word pane stores a document chosen in class.
    LessonRecord &lesson;
    // The teacher's unit and subject, for the title of an opened document.
    const Settings &settings;
    const LessonBook &book;
    // The lesson screen's scale, which changes when the lesson moves screens.
    const TwipsScale &scale;
    FileDialog *fileDialog = nullptr;
    // Where a pane's notices go.
    MessageBox *messageBox = nullptr;
    ChoiceDialogs *choiceDialogs = nullptr;
    DocumentConverter *documents = nullptr;
    MediaPlayerFactory *mediaPlayers = nullptr;
    FlashPlayerFactory *flashPlayers = nullptr;
    DeckPlayerFactory *deckPlayers = nullptr;
    // Shows a pane's own window maximized on the lesson's screen, and moves it
    // there again when the lesson changes screens.
    std::function<void(QWidget *window)> presentMaximized;
};
