#include "screenregistry.h"

#include "aboutbox.h"
#include "appcontext.h"
#include "closingscreen.h"
#include "cover/coverpage.h"
#include "desktop/teachingdesktop.h"
#include "editor/lessoneditor.h"
#include "homescreen.h"

void registerScreens(AppContext &context)
{
    ScreenFlow &flow = context.flow;
    flow.registerScreen(ScreenId::Home, [&context] { return new HomeScreen(context); });
    flow.registerScreen(ScreenId::Cover, [&context] { return new CoverPage(context); });
    flow.registerScreen(ScreenId::Closing, [&context] { return new ClosingScreen(context); });
    flow.registerScreen(ScreenId::Desktop, [&context] { return new TeachingDesktop(context); });
    flow.registerScreen(ScreenId::About, [&context] { return new AboutBox(context); });
    flow.registerScreen(ScreenId::Editor, [&context] { return new LessonEditor(context); });
}
