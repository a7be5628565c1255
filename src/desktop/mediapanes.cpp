#include "mediapanes.h"

#include "desktop/desktopkeys.h"
#include "desktop/desktopmenus.h"
#include "desktop/desktoptoolbar.h"
#include "desktop/panes/drawingpane.h"
#include "desktop/panes/textpane.h"
#include "desktop/panes/videopane.h"
#include "desktop/teachingdesktop.h"
#include "platform/mediaplayer.h"

#include <QAction>

namespace {

void installTextPane(TeachingDesktop &desktop)
{
    auto *text = new TextPane(desktop.paneServices(), desktop.workArea(), desktop.inputBox(),
                              desktop.menus().locationMenu(PaneKind::Text), &desktop);
    desktop.registerPane(text);
    desktop.connectStandardPlacement(text);
    MediaList &textFiles = desktop.desktopState().lists.textFiles;
    desktop.setToolbarAction(QStringLiteral("txt"), [text, &textFiles] { text->txtButton(textFiles); });
    QObject::connect(&desktop, &TeachingDesktop::loaded, text,
                     [text, &textFiles] { text->prepare(textFiles); });
    QObject::connect(desktop.menus().item(QStringLiteral("Myfont")), &QAction::triggered, text,
                     &TextPane::Myfont);
    desktop.setToolbarAction(QStringLiteral("Input"), [text, &desktop] {
        // With nothing typed the text pane goes, and a showing deck is what the
        // teacher faces next.
        const Pane *deck = desktop.pane(PaneKind::Deck);
        if (!text->Input() && deck && deck->isVisible())
            desktop.setCurrentPaneKind(PaneKind::Deck);
    });
}

void installDrawingPane(TeachingDesktop &desktop)
{
    auto *drawing = new DrawingPane(desktop.paneServices(), desktop.workArea(), &desktop);
    desktop.registerPane(drawing);
    desktop.connectStandardPlacement(drawing);
    const QAction *paint = desktop.toolbar()->button(QStringLiteral("paint"));
    desktop.setToolbarAction(QStringLiteral("paint"),
                             [drawing, paint] { drawing->paintButton(paint->isChecked()); });
}

void installVideoPane(TeachingDesktop &desktop)
{
    const PaneServices &services = desktop.paneServices();
    DesktopState &state = desktop.desktopState();
    MediaPlayer *player = services.mediaPlayers->create(desktop.workArea());
    auto *video = new VideoPane(services, state.fullArea, state.lists.media, player,
                                desktop.menus().locationMenu(PaneKind::Video), &desktop);
    desktop.registerPane(video);
    // Its hide item is the toggle of its own.
    desktop.connectStandardPlacement(video, false);
    desktop.setToolbarAction(QStringLiteral("video"), [video] { video->videoButton(); });
    desktop.keys().addFullScreenExit([player] {
        if (!player->fullScreen())
            return false;
        player->setFullScreen(false);
        return true;
    });
    QObject::connect(desktop.menus().item(QStringLiteral("VideoStar")), &QAction::triggered, video,
                     &VideoPane::VideoOpen);
}

} // namespace

void installMediaPanes(TeachingDesktop &desktop)
{
    installTextPane(desktop);
    installDrawingPane(desktop);
    installVideoPane(desktop);
}
