#include "startup.h"

#include "appcontext.h"
#include "sharedstate.h"

#include <QGuiApplication>
#include <QScreen>

bool runStartUp(AppContext &context)
{
    SharedState &state = context.state;
    state.ConfigPath.clear();

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->size() : QSize(1024, 768);
    state.ScreenWidthText = QString::number(double(context.scale.toTwipsX(pixels.width())));
    state.ScreenHeightText = QString::number(double(context.scale.toTwipsY(pixels.height())));

    const SettingsFile settings(context.settingsPath);
    if (settings.exists()) {
        state.SettingsRecord = settings.read();
        return false;
    }
    // A settings folder that cannot be written still gives a normal first start.
    settings.create();
    state.SettingsRecord = Settings();
    return true;
}
