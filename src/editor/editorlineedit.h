#pragma once

#include <QLineEdit>

// A text box of the editor. Enter can act as the tab key (the focus moves on in the
// window's focus order), and the whole text can be selected when the box gets the
// focus, so that typing replaces the old value.
class EditorLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum Option { Plain = 0, EnterMovesOn = 1, SelectOnFocus = 2 };
    explicit EditorLineEdit(int options, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_options;
    // A click that gave the focus also placed the caret, undoing the selection.
    bool m_selectOnRelease = false;
};
