#include "screenregistry.h"

#include "base/appcontext.h"
#include "base/screenroles.h"
#include "base/sharedstate.h"
#include "browser/browserwindow.h"
#include "check/lessoncheckwindow.h"
#include "cover/coverpage.h"
#include "desktop/teachingdesktop.h"
#include "editor/lessoneditor.h"
#include "shell/aboutbox.h"
#include "shell/closingscreen.h"
#include "shell/homescreen.h"
#include "shell/startup.h"

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
    flow.registerChildWindow(ScreenId::Browser, [&context](QWidget *parent) {
        auto *window = new BrowserWindow(context, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->Form_Load();
        return window;
    });
    flow.registerChildWindow(ScreenId::LessonCheck, [&context](QWidget *parent) {
        auto *window = new LessonCheckWindow(context, context.state.ConfigPath, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        return window;
    });
}
