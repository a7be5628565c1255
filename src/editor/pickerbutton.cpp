#include "pickerbutton.h"

#include <QMouseEvent>
#include <QStyle>

PickerButton::PickerButton(int index, bool borderWhilePressed, const QCursor &cursor, QWidget *parent)
    : QLabel(parent), m_index(index), m_borderWhilePressed(borderWhilePressed)
{
    setCursor(cursor);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::NoFrame);
    setToolTip(QStringLiteral("选择文件"));
}

void PickerButton::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    const int side = qMax(8, qMin(width(), height()) - 4);
    // The style's folder icon is small; drawn larger it reads as a button.
    const QPixmap folder = style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(64, 64);
    setPixmap(folder.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void PickerButton::mousePressEvent(QMouseEvent *event)
{
    if (m_borderWhilePressed) {
        setFrameShape(QFrame::Box);
        setLineWidth(1);
    }
    event->accept();
}

void PickerButton::mouseReleaseEvent(QMouseEvent *event)
{
    setFrameShape(QFrame::NoFrame);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_index);
}
