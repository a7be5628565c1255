#include "documentpanes.h"

#include "desktop/desktopkeys.h"
#include "desktop/desktopmenus.h"
#include "desktop/desktoptoolbar.h"
#include "desktop/panes/deckpane.h"
#include "desktop/panes/deckview.h"
#include "desktop/panes/textpane.h"
#include "desktop/panes/wordfullwindow.h"
#include "desktop/panes/wordpane.h"
#include "desktop/teachingdesktop.h"
#include "platform/documentconverter.h"

#include <QAction>

namespace {

void installWordPane(TeachingDesktop &desktop)
{
    DesktopMenus &menus = desktop.menus();
    auto *text = qobject_cast<TextPane *>(desktop.pane(PaneKind::Text));
    auto *word = new WordPane(desktop.paneServices(), desktop.desktopState().fullArea, desktop.ole1(),
                              desktop.ole2(), text, menus.locationMenu(PaneKind::Word), &desktop);
    const auto on = [&menus, word](const char *name, auto handler) {
        QObject::connect(menus.item(QLatin1String(name)), &QAction::triggered, word, handler);
    };
    on("WordFileOpen", &WordPane::WordOpen);
    on("WordOpen", &WordPane::WordOpen);
    on("Wordstar", &WordPane::Wordstar);
    on("WordFull", &WordPane::WordFull);
    const struct {
        const char *item;
        Position position;
    } places[] = {{"WordInmiddle", Position::Centre},
                  {"WordInleft", Position::Left},
                  {"WordInright", Position::Right},
                  {"WordIntop", Position::Top},
                  {"WordInButtom", Position::Bottom}};
    for (const auto &place : places)
        on(place.item, [word, at = place.position] { word->placeWordPane(at); });
    desktop.setToolbarAction(QStringLiteral("word"), [word] { word->Wordstar(); });
    QObject::connect(&desktop, &TeachingDesktop::loaded, word, &WordPane::openLessonDocument);
    desktop.keys().setStepAction(PaneKind::Word, [word](int direction) { return word->stepPage(direction); });
    desktop.keys().addFullScreenExit([word] {
        QWidget *full = word->fullWindow();
        if (!full || !full->isVisible())
            return false;
        full->close();
        return true;
    });
    QObject::connect(&desktop, &TeachingDesktop::leaving, word, &WordPane::closeDocument);
}

void installDeckPane(TeachingDesktop &desktop)
{
    auto *deck =
        new DeckPane(desktop.paneServices(), desktop.desktopState().fullArea, desktop.workArea(), &desktop);
    desktop.registerPane(deck);
    desktop.connectStandardPlacement(deck);
    MediaList &decks = desktop.desktopState().lists.decks;
    QAction *button = desktop.toolbar()->button(QStringLiteral("ppt"));
    desktop.setToolbarAction(QStringLiteral("ppt"),
                             [deck, &decks, button] { deck->deckButton(decks, button); });
    QObject::connect(desktop.menus().item(QStringLiteral("Powerpointstar")), &QAction::triggered, deck,
                     &DeckPane::Powerpointstar);
    QObject::connect(&desktop, &TeachingDesktop::loaded, deck, [deck, &decks] { deck->prepare(decks); });
    desktop.keys().setStepAction(PaneKind::Deck, [deck](int direction) {
        if (!deck->isVisible())
            return false;
        deck->step(direction);
        return true;
    });
}

} // namespace

void installDocumentPanes(TeachingDesktop &desktop)
{
    installWordPane(desktop);
    installDeckPane(desktop);
    // Whatever the lesson holds, nothing converts on for a desktop that is gone.
    QObject::connect(&desktop, &TeachingDesktop::leaving, desktop.paneServices().documents,
                     &DocumentConverter::release);
}
