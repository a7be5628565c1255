#pragma once

class FileDialog;
class MessageBox;
class ChoiceDialogs;
class ProgramLauncher;
class MediaPlayerFactory;
class MediaProbe;
class DocumentConverter;
class FlashPlayerFactory;
class DeckPlayerFactory;
class WebBrowserFactory;

// The hosted components the windows reach, handed down from the composition
// root: the real back ends in the program, test doubles in tests.
struct PlatformServices {
    FileDialog *fileDialog = nullptr;
    MessageBox *messageBox = nullptr;
    ChoiceDialogs *choiceDialogs = nullptr;
    ProgramLauncher *launcher = nullptr;
    MediaPlayerFactory *mediaPlayers = nullptr;
    MediaProbe *mediaProbe = nullptr;
    DocumentConverter *documents = nullptr;
    FlashPlayerFactory *flashPlayers = nullptr;
    WebBrowserFactory *webBrowsers = nullptr;
    DeckPlayerFactory *deckPlayers = nullptr;
};
