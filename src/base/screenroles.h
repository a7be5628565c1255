#pragma once

#include "geometry/screenchoice.h"
#include "lesson/programsettings.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QScreen;
class QWidget;

// Which screen the lesson is shown on. The cover page, the desktop and the
// closing screen are presented here: they open on the chosen screen (the
// projector) and move to the remaining or the chosen screen when screens come
// and go during a lesson, keeping everything they hold.
class ScreenRoles : public QObject
{
    Q_OBJECT
public:
    explicit ScreenRoles(ProgramSettings settings, QObject *parent = nullptr);

    // The connected screens, in the system's order, and the presenting one.
    QList<ScreenInfo> screens() const;
    QScreen *projector() const;
    ScreenInfo projectorInfo() const;

    // The remembered choice; empty for the primary screen.
    QString chosenName() const { return m_chosen; }
    // Remembers the choice and moves the presented windows there.
    bool choose(const QString &name);

    // Shows the window over the whole projector (`Qt::WindowFullScreen`) or
    // over its available area (`Qt::WindowMaximized`), now and after every
    // change of screens. When the projector becomes another screen, `refit`
    // lays the window out for it, after projectorChanged().
    void present(QWidget *window, Qt::WindowState state, std::function<void()> refit = {});

signals:
    // The lesson is now shown on another screen, which may differ in size and
    // DPI; the presented windows are moved and refitted right after.
    void projectorChanged();
    // Screens came or went, or the choice changed.
    void screensChanged();

private:
    void screensMoved();
    void place(QWidget *window, Qt::WindowState state) const;

    struct Presented {
        QPointer<QWidget> window;
        Qt::WindowState state;
        std::function<void()> refit;
    };

    ProgramSettings m_settings;
    QString m_chosen;
    QPointer<QScreen> m_placedOn;
    ScreenInfo m_placedInfo;
    QList<Presented> m_presented;
};
