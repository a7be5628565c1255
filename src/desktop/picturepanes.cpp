#include "picturepanes.h"

#include "desktop/desktopkeys.h"
#include "desktop/desktopmenus.h"
#include "desktop/panes/picturepane.h"
#include "desktop/teachingdesktop.h"

#include <QAction>

void installPicturePane(TeachingDesktop &desktop)
{
    DesktopMenus &menus = desktop.menus();
    auto *pictures =
        new PicturePane(desktop.paneServices(), desktop.desktopState(), desktop.workArea(),
                        menus.locationMenu(PaneKind::Picture), menus.item(QStringLiteral("PicEnlarge")),
                        menus.item(QStringLiteral("PicShrink")), &desktop);
    desktop.registerPane(pictures);
    const auto on = [&menus, pictures](const char *name, std::function<void()> handler) {
        QObject::connect(menus.item(QLatin1String(name)), &QAction::triggered, pictures, std::move(handler));
    };
    const auto layout = [&on, pictures](const char *name, std::function<void(PictureLayouts &)> command) {
        on(name, [pictures, command] { pictures->perform(command); });
    };
    on("PictureStar", [pictures] { pictures->PictureStar(); });
    on("PictureLoad", [pictures] { pictures->PictureStar(); });
    layout("PictureOne", &PictureLayouts::PictureOne);
    layout("PictureTwo", &PictureLayouts::PictureTwo);
    layout("PictureThree", &PictureLayouts::PictureThree);
    layout("PictureFour", &PictureLayouts::PictureFour);
    layout("PictureFive", &PictureLayouts::PictureFive);
    layout("PictureSix", &PictureLayouts::PictureSix);
    layout("PictureHidden", &PictureLayouts::PictureHidden);
    const struct {
        const char *item;
        Position position;
    } alignments[] = {{"PictureCenter", Position::Centre},
                      {"PictureLeft", Position::Left},
                      {"PictureRight", Position::Right},
                      {"PictureTop", Position::Top},
                      {"PictureBottom", Position::Bottom}};
    for (const auto &alignment : alignments)
        layout(alignment.item, [at = alignment.position](PictureLayouts &layouts) { layouts.align(at); });
    on("PicEnlarge", [pictures] { pictures->PicEnlarge(); });
    on("PicShrink", [pictures] { pictures->PicShrink(); });
    desktop.setToolbarAction(QStringLiteral("Picture"), [pictures] { pictures->pictureButton(); });
    // The lesson's pictures, as the toolbar's button steps through them; back
    // by the pictures shown and those before them.
    DesktopState &state = desktop.desktopState();
    const QString &pictureField = desktop.paneServices().lesson[slot::PictureFiles];
    desktop.keys().setStepAction(PaneKind::Picture, [pictures, &state, &pictureField](int direction) {
        if (pictureField.isEmpty() || !pictures->isVisible())
            return false;
        if (direction < 0)
            state.lists.pictures.stepBack(2 * qMax(1, state.PictureCount));
        pictures->pictureButton();
        return true;
    });
}
