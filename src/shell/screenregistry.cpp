#include "screenregistry.h"

#include "aboutbox.h"
#include "appcontext.h"
#include "closingscreen.h"
#include "cover/coverpage.h"
#include "desktop/teachingdesktop.h"
#include "editor/lessoneditor.h"
#include "homescreen.h"
#include "screenroles.h"
#include "startup.h"

void registerScreens(AppContext &context)
{
    ScreenFlow &flow = context.flow;
    // Before the windows are refitted: they lay out from the new screen's size and scale.
    QObject::connect(&context.screens, &ScreenRoles::projectorChanged, &flow,
                     [&context] { fitToProjector(context); });
    flow.registerScreen(ScreenId::Home, [&context] { return new HomeScreen(context); });
    flow.registerScreen(ScreenId::Cover, [&context] { return new CoverPage(context); });
    flow.registerScreen(ScreenId::Closing, [&context] { return new ClosingScreen(context); });
    flow.registerScreen(ScreenId::Desktop, [&context] { return new TeachingDesktop(context); });
    flow.registerScreen(ScreenId::About, [&context] { return new AboutBox(context); });
    flow.registerScreen(ScreenId::Editor, [&context] { return new LessonEditor(context); });
}
