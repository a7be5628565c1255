#pragma once

// The teaching desktop on a 1024 x 768 screen with the fake platform, for
// driving its panes through the real menus and toolbar. A menu or toolbar
// name the desktop's code does not find fails the test.

#include "desktop/desktopmenus.h"
#include "desktop/desktoptoolbar.h"
#include "desktop/teachingdesktop.h"
#include "support/testcontext.h"

#include <QAction>
#include <QToolButton>
#include <QtTest>

struct PaneDesktop : TestContext {
    PaneDesktop()
    {
        state.ScreenWidth = 15360;
        state.ScreenHeight = 11520;
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^no desktop ")));
    }

    // Loads and shows the desktop; lesson fields are read here.
    TeachingDesktop *show()
    {
        desktop = qobject_cast<TeachingDesktop *>(flow.show(ScreenId::Desktop));
        if (desktop && !QTest::qWaitForWindowActive(desktop))
            qWarning("The desktop did not become the active window.");
        return desktop;
    }

    template<class P>
    P *pane(PaneKind kind) const
    {
        return qobject_cast<P *>(desktop->pane(kind));
    }

    void button(const char *key) const { desktop->toolbar()->button(QLatin1String(key))->trigger(); }
    void item(const char *name) const { desktop->menus().item(QLatin1String(name))->trigger(); }
    // A real click on the toolbar button, as the teacher gives it.
    void click(const char *key) const
    {
        for (QToolButton *tool : desktop->toolbar()->findChildren<QToolButton *>())
            if (tool->defaultAction() == desktop->toolbar()->button(QLatin1String(key)))
                QTest::mouseClick(tool, Qt::LeftButton);
    }
    // The current pane kind as the teacher sees it: the caption of ClickTs.
    QString current() const { return desktop->menus().clickTs()->text(); }

    TeachingDesktop *desktop = nullptr;
};
