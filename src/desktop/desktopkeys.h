#pragma once

#include "desktop/logic/panekind.h"

#include <functional>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>

class TeachingDesktop;

// Keyboard control of the desktop, for a keyboard or a wireless presenter:
// F1 to F11 press the toolbar's buttons in toolbar order, Ctrl+1 to Ctrl+7
// the menu bar's placements "居中" to "隐藏", PageDown and PageUp (and the
// arrows) step the shown document page, slide or picture, and Esc leaves a
// full-screen view. PageDown and PageUp, a presenter's keys, step before any
// control sees them (a web page or Flash movie takes every key it is given)
// unless the teacher is typing into a text field; the arrows and Esc act only
// when the control holding the keyboard leaves them unused, so the text pane,
// the input box, a game and the document container keep keys of their own.
class DesktopKeys : public QObject
{
    Q_OBJECT
public:
    explicit DesktopKeys(TeachingDesktop &desktop);

    // What the stepping keys do for a pane kind: +1 next, -1 previous; false
    // when that pane shows nothing to step through now.
    void setStepAction(PaneKind kind, std::function<bool(int direction)> step);
    // A full-screen view that Esc leaves; true when it was showing.
    void addFullScreenExit(std::function<bool()> leave);

    // Steps the current pane kind's view, else the first of deck, picture and
    // document that shows something. True when something stepped.
    bool step(int direction);
    bool leaveFullScreen();

    // The keys with what they do, as "帮助主题" lists them.
    QList<QPair<QString, QString>> keyList() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindToolbar();
    void bindPlacements();

    TeachingDesktop &m_desktop;
    QMap<PaneKind, std::function<bool(int)>> m_steps;
    QList<std::function<bool()>> m_fullScreenExits;
    QList<QPair<QString, QString>> m_keys;
};
