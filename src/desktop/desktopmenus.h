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
    enum Flag { Plain = 0, Hidden = 1, Checked = 2, Disabled = 4 };

    // A null parent means the menu bar itself.
    QMenu *addMenu(QMenu *parent, const char *name, const QString &caption, int flags = Plain);
    QAction *addItem(QMenu *parent, const char *name, const QString &caption, int flags = Plain);
    void addSeparator(QMenu *parent, int flags = Plain);
    QAction *finish(QAction *action, const char *name, int flags);

    void buildFileMenu();
    void buildWindowMenu();
    void buildFormatMenu();
    void buildBarCommands();

    // A location menu of the standard shape: full, separator, five positions, separator, hide.
    void addPositionItems(QMenu *menu, const char *const names[5]);

    QMenuBar *m_bar;
    QAction *m_clickTs = nullptr;
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
};
