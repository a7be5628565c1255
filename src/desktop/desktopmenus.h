#pragma once

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

    // An item (or a submenu's own action) by name; nullptr when there is none.
    QAction *item(const QString &name) const;
    // A menu (e.g. the location menus the panes pop up) by name.
    QMenu *menu(const QString &name) const;

    // The disabled item at the right end whose caption is the current pane kind.
    QAction *clickTs() const { return m_clickTs; }

private:
    QAction *m_clickTs = nullptr;
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
};
