#include "lessonhandoff.h"

#include "base/screenflow.h"
#include "shell/homescreen.h"

LessonHandOff::LessonHandOff(ScreenFlow &flow) : m_flow(flow)
{
    connect(&m_flow, &ScreenFlow::screenLoaded, this, [this](ScreenId id) {
        if (id == ScreenId::Home)
            deliver();
    });
}

void LessonHandOff::hand(const QString &lessonPath)
{
    if (!lessonPath.isEmpty())
        m_pending = lessonPath;
    deliver();
    bringToFront();
}

void LessonHandOff::deliver()
{
    auto *home = m_flow.windowAs<HomeScreen>(ScreenId::Home);
    if (!home || m_pending.isEmpty())
        return;
    home->chooseLesson(m_pending);
    m_pending.clear();
}

void LessonHandOff::bringToFront()
{
    for (ScreenId id : {ScreenId::Home, ScreenId::Cover, ScreenId::Desktop, ScreenId::Closing,
                        ScreenId::Editor, ScreenId::Browser, ScreenId::About}) {
        QWidget *window = m_flow.window(id);
        if (window && window->isVisible()) {
            window->raise();
            window->activateWindow();
        }
    }
}
