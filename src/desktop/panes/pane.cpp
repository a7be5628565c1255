#include "pane.h"

#include "platform/userfocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>
#include <utility>

Pane::Pane(PaneKind kind, QWidget *control, const TwipsScale &scale, QObject *parent)
    : QObject(parent), m_kind(kind), m_control(control), m_scale(scale)
{
    m_control->hide();
    recordOnFocus(control);
}

void Pane::setGeometry(const TwipsRect &rect)
{
    m_geometry = rect;
    apply();
}

void Pane::setWidth(float width)
{
    m_geometry.width = width;
    apply();
}

void Pane::setHeight(float height)
{
    m_geometry.height = height;
    apply();
}

void Pane::setVisible(bool visible)
{
    m_visible = visible;
    if (!m_control)
        return;
    // Qt hands the focus of a widget being hidden to the next one in line,
    // which would make that pane the current one without the teacher touching it.
    QWidget *focus = QApplication::focusWidget();
    if (!visible && focus && (focus == m_control || m_control->isAncestorOf(focus)))
        focus->clearFocus();
    m_control->setVisible(visible);
}

void Pane::place(Position position, const FullArea &area)
{
    if (!m_visible)
        return;
    setGeometry(placed(m_geometry, position, area));
}

TwipsRect Pane::placed(const TwipsRect &current, Position position, const FullArea &area) const
{
    return standardPlacement(current, position, area);
}

void Pane::recordOnFocus(QWidget *watched)
{
    watched->installEventFilter(this);
}

bool Pane::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        focusTaken(reason);
        // The press that gave this focus arrives next; it has been recorded.
        m_clickRecorded = reason == Qt::MouseFocusReason;
        break;
    }
    case QEvent::MouseButtonPress:
        // A click gives the focus, but a control that holds it already (the
        // document container from start-up) gets no focus event.
        if (!std::exchange(m_clickRecorded, false) &&
            (static_cast<QWidget *>(watched)->focusPolicy() & Qt::ClickFocus))
            emit recorded(m_kind);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void Pane::focusTaken(Qt::FocusReason reason)
{
    if (isUserGivenFocus(reason))
        emit recorded(m_kind);
}

void Pane::apply()
{
    if (!m_control)
        return;
    const QRect pixels = m_scale.toPixels(m_geometry);
    m_control->setGeometry(pixels.x(), pixels.y(), qMax(0, pixels.width()), qMax(0, pixels.height()));
}
