#include "startup.h"

#include "base/appcontext.h"
#include "base/sharedstate.h"

#include "base/screenroles.h"

void fitToProjector(AppContext &context)
{
    // The lesson's screen: its size, and twips per pixel from its own DPI.
    const ScreenInfo screen = context.screens.projectorInfo();
    context.scale = screenchoice::scaleOf(screen);
    const QSizeF twips = screenchoice::sizeInTwips(screen);
    context.state.ScreenWidth = twips.width();
    context.state.ScreenHeight = twips.height();
}

bool runStartUp(AppContext &context)
{
    SharedState &state = context.state;
    state.ConfigPath.clear();
    fitToProjector(context);

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
