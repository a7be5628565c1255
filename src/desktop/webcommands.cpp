#include "webcommands.h"

#include "base/appcontext.h"
#include "base/screenflow.h"
#include "base/sharedstate.h"
#include "browser/logic/webaddresses.h"
#include "desktop/desktopmenus.h"
#include "desktop/teachingdesktop.h"

#include <QAction>

namespace {

void IEinternet(TeachingDesktop &desktop)
{
    SharedState &state = desktop.context().state;
    if (state.HomeUrl.isEmpty())
        state.HomeUrl = state.LessonFields[slot::WebAddress];
    // The window stays above the full-screen desktop and goes with it.
    desktop.context().flow.openChildWindow(ScreenId::Browser, &desktop);
}

} // namespace

void installWebCommands(TeachingDesktop &desktop)
{
    const DesktopMenus &menus = desktop.menus();
    SharedState &state = desktop.context().state;
    QObject::connect(menus.item(QStringLiteral("IE")), &QAction::triggered, &desktop, [&desktop, &state] {
        state.HomeUrl = state.LessonFields[slot::WebAddress];
        IEinternet(desktop);
    });
    QObject::connect(menus.item(QStringLiteral("IEinternet")), &QAction::triggered, &desktop,
                     [&desktop] { IEinternet(desktop); });
    desktop.setToolbarAction(QStringLiteral("google"), [&desktop, &state] {
        state.HomeUrl = searchPage();
        IEinternet(desktop);
    });
}
