#include "editorlineedit.h"

#include <QKeyEvent>

EditorLineEdit::EditorLineEdit(int options, QWidget *parent) : QLineEdit(parent), m_options(options)
{}

void EditorLineEdit::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (m_options & EnterMovesOn)) {
        event->accept();
        focusNextChild();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditorLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (!(m_options & SelectOnFocus))
        return;
    selectAll();
    m_selectOnRelease = event->reason() == Qt::MouseFocusReason;
}

void EditorLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    // Unless the teacher dragged a selection of their own.
    if (m_selectOnRelease && !hasSelectedText())
        selectAll();
    m_selectOnRelease = false;
}
