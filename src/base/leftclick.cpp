#include "leftclick.h"

#include <QMouseEvent>
#include <QWidget>

void LeftClick::watch(QWidget *widget)
{
    widget->installEventFilter(this);
}

bool LeftClick::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!press && !release)
        return QObject::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (press) {
        m_pressed = watched;
        return false;
    }
    const bool pressedHere = m_pressed == watched;
    m_pressed = nullptr;
    // The release of a press goes to the pressed widget wherever the pointer is.
    const auto *widget = static_cast<QWidget *>(watched);
    if (pressedHere && widget->rect().contains(mouse->position().toPoint()))
        emit clicked();
    return false;
}
