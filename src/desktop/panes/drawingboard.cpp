#include "drawingboard.h"

#include "desktop/logic/penmark.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {
const QColor kBoardColour(Qt::white);
}

DrawingBoard::DrawingBoard(const TwipsScale &scale, QWidget *parent) : QWidget(parent), m_scale(scale)
{
    setObjectName(QStringLiteral("Picture1"));
    // Clicking the board gives it the focus, which makes it the current pane.
    setFocusPolicy(Qt::ClickFocus);
    // Moves without a pressed button arrive too; the pen state decides.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingBoard::usePointerIcon(const QString &iconPath)
{
    const QPixmap icon(iconPath);
    if (icon.isNull())
        return;
    setCursor(QCursor(icon, 0, icon.height() - 1));
}

void DrawingBoard::mousePressEvent(QMouseEvent *event)
{
    m_penDown = true;
    event->accept();
}

void DrawingBoard::mouseMoveEvent(QMouseEvent *event)
{
    if (m_penDown)
        drawMark(event->position().toPoint());
    event->accept();
}

void DrawingBoard::mouseReleaseEvent(QMouseEvent *event)
{
    m_penDown = false;
    event->accept();
}

void DrawingBoard::drawMark(const QPoint &pixels)
{
    const TwipsRect mark = penmark::at(m_scale.toTwipsX(pixels.x()), m_scale.toTwipsY(pixels.y()));
    // Both corners belong to the box, as with a line drawn in box form.
    const QRect box(
        QPoint(m_scale.toPixelsX(mark.left), m_scale.toPixelsY(mark.top)),
        QPoint(m_scale.toPixelsX(mark.left + mark.width), m_scale.toPixelsY(mark.top + mark.height)));
    coverSize(QSize(box.right() + 1, box.bottom() + 1));
    QPainter painter(&m_image);
    painter.fillRect(box, penColour());
    update(box);
}

void DrawingBoard::coverSize(const QSize &size)
{
    const QSize needed = m_image.size().expandedTo(size);
    if (needed == m_image.size())
        return;
    QImage grown(needed, QImage::Format_RGB32);
    grown.fill(kBoardColour);
    QPainter painter(&grown);
    painter.drawImage(0, 0, m_image);
    painter.end();
    m_image = grown;
}

void DrawingBoard::resizeEvent(QResizeEvent *event)
{
    coverSize(size());
    QWidget::resizeEvent(event);
}

void DrawingBoard::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}
