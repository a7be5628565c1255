#pragma once

#include "desktop/logic/panekind.h"

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

// The desktop's menu tree: every menu and item under its own name (as
// objectName), hidden items present but not shown. Handlers are wired by
// whoever owns the command; this class only builds and finds.
class DesktopMenus : public QObject
{
    Q_OBJECT
public:
    explicit DesktopMenus(QMenuBar *bar);

    // An item (or a submenu's own action) by name. A name the tree lacks is
    // reported as a slip in the code (reportUnknownName) and gives nullptr.
    QAction *item(const QString &name) const;
    // A menu by name, reported and nullptr as above when there is none.
    QMenu *menu(const QString &name) const;
    // The kind's location menu under "窗口", which its pane pops up.
    QMenu *locationMenu(PaneKind kind) const { return menu(locationMenuName(kind)); }

    // The disabled item at the right end whose caption shows the current pane
    // kind to the teacher; the desktop keeps the kind itself in its state.
    QAction *clickTs() const { return m_clickTs; }

private:
    QAction *m_clickTs = nullptr;
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
};
