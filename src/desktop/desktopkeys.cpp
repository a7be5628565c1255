#include "desktopkeys.h"

#include "desktop/desktopmenus.h"
#include "desktop/desktoptoolbar.h"
#include "desktop/logic/placementdispatch.h"
#include "desktop/teachingdesktop.h"
#include "keyhelpwindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool typingIntoText(const QWidget *focus)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(focus))
        return !line->isReadOnly();
    if (const auto *text = qobject_cast<const QTextEdit *>(focus))
        return !text->isReadOnly();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(focus))
        return !plain->isReadOnly();
    return false;
}

} // namespace

DesktopKeys::DesktopKeys(TeachingDesktop &desktop) : QObject(&desktop), m_desktop(desktop)
{
    bindToolbar();
    bindPlacements();
    m_keys.append({QStringLiteral("PageDown  →  ↓"), QStringLiteral("下一页文档、下一张幻灯片或下一张图片")});
    m_keys.append({QStringLiteral("PageUp  ←  ↑"), QStringLiteral("上一页文档、上一张幻灯片或上一张图片")});
    m_keys.append({QStringLiteral("Esc"), QStringLiteral("退出全屏显示（视频、文档）")});
    m_keys.append({QStringLiteral("，  ．"), QStringLiteral("文档：上一页、下一页（文档获得焦点时）")});
    m_keys.append({QStringLiteral("=  -"), QStringLiteral("文本：放大、缩小字号")});
    m_keys.append({QStringLiteral("Enter"), QStringLiteral("输入框：换行")});
    m_keys.append({QStringLiteral("F12"), QStringLiteral("批注：在桌面上书写，再按 F12 或 Esc 结束")});
    // The application sees a key before the control holding the keyboard.
    qApp->installEventFilter(this);
    connect(desktop.menus().item(QStringLiteral("MyHelp")), &QAction::triggered, this, [this] {
        auto *help = new KeyHelpWindow(keyList(), &m_desktop);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->show();
    });
}

// Blank buttons have no key; the others get F1, F2, ... in toolbar order.
void DesktopKeys::bindToolbar()
{
    int number = 0;
    for (QAction *button : m_desktop.toolbar()->buttons()) {
        if (button->data().toString().isEmpty())
            continue;
        const QKeySequence key(Qt::Key(Qt::Key_F1 + number++));
        button->setShortcut(key);
        const QString keyText = key.toString(QKeySequence::NativeText);
        button->setToolTip(button->toolTip() + QStringLiteral("（%1）").arg(keyText));
        m_keys.append({keyText, button->toolTip().section(QStringLiteral("（"), 0, 0)});
    }
}

void DesktopKeys::bindPlacements()
{
    int number = 0;
    for (BarCommand command : kBarCommands) {
        QAction *item = m_desktop.menus().item(barCommandName(command));
        const QKeySequence key(Qt::CTRL | Qt::Key(Qt::Key_1 + number++));
        item->setShortcut(key);
        m_keys.append({key.toString(QKeySequence::NativeText), QStringLiteral("当前窗格：") + item->text()});
    }
}

void DesktopKeys::setStepAction(PaneKind kind, std::function<bool(int direction)> step)
{
    m_steps.insert(kind, std::move(step));
}

void DesktopKeys::addFullScreenExit(std::function<bool()> leave)
{
    m_fullScreenExits.append(std::move(leave));
}

bool DesktopKeys::step(int direction)
{
    QList<PaneKind> order;
    if (const std::optional<PaneKind> current = m_desktop.currentPaneKind())
        order << *current;
    order << PaneKind::Deck << PaneKind::Picture << PaneKind::Word;
    for (PaneKind kind : std::as_const(order)) {
        const auto action = m_steps.constFind(kind);
        if (action != m_steps.constEnd() && (*action)(direction))
            return true;
    }
    return false;
}

bool DesktopKeys::leaveFullScreen()
{
    bool left = false;
    for (const auto &leave : std::as_const(m_fullScreenExits))
        left = leave() || left;
    return left;
}

QList<QPair<QString, QString>> DesktopKeys::keyList() const
{
    return m_keys;
}

// The presenter's keys are taken on their way to any control of the desktop;
// the other keys only once they reach the window, unused by the control that
// has the keyboard.
bool DesktopKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) {
        const auto *widget = static_cast<QWidget *>(watched);
        if (widget->window() != &m_desktop || typingIntoText(QApplication::focusWidget()))
            return false;
        return step(key->key() == Qt::Key_PageDown ? +1 : -1);
    }
    if (watched != &m_desktop)
        return false;
    switch (key->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        return step(+1);
    case Qt::Key_Left:
    case Qt::Key_Up:
        return step(-1);
    case Qt::Key_Escape:
        return leaveFullScreen();
    default:
        return false;
    }
}
