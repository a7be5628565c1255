#include "flashpanes.h"

#include "desktop/desktopmenus.h"
#include "desktop/desktoptoolbar.h"
#include "desktop/panes/flashpane.h"
#include "desktop/teachingdesktop.h"
#include "platform/flashplayer.h"

#include <QAction>

namespace {

// The games kept in the program folder, by menu item.
const struct {
    const char *item;
    const char *file;
} kGames[] = {
    {"GameWar", "/set/flash/机器人战争.swf"},
    {"GameMulan", "/set/flash/新木兰传奇.swf"},
    {"GameJiandie", "/set/flash/间谍通缉令.swf"},
    {"GameJuezhan", "/set/flash/决战沙场.swf"},
};

} // namespace

void installFlashPane(TeachingDesktop &desktop)
{
    const PaneServices &services = desktop.paneServices();
    FlashPlayer *player = services.flashPlayers->create(desktop.workArea());
    auto *flash = new FlashPane(services, player, &desktop);
    desktop.registerPane(flash);
    // Its hide item replaces the movie before hiding.
    desktop.connectStandardPlacement(flash, false);

    const DesktopMenus &menus = desktop.menus();
    const auto on = [&menus, flash](const char *name, auto command) {
        QObject::connect(menus.item(QLatin1String(name)), &QAction::triggered, flash, command);
    };
    on("Flashstar", [flash] { flash->Flashstar(); });
    on("GameHide", [flash] { flash->GameHide(); });
    on("FlashHidden", [flash] { flash->GameHide(); });
    on("OtherGame", [flash, &desktop] { flash->OtherGame(desktop.fullArea()); });
    for (const auto &game : kGames)
        on(game.item, [flash, &desktop, file = QString::fromUtf8(game.file)] {
            flash->startGame(file, desktop.fullArea());
        });

    MediaList &movies = desktop.desktopState().lists.flashMovies;
    QAction *button = desktop.toolbar()->button(QStringLiteral("flash"));
    desktop.setToolbarAction(QStringLiteral("flash"),
                             [flash, &movies, button] { flash->flashButton(movies, button); });
}
