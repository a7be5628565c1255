#pragma once

#include "editor/logic/editorfields.h"

#include <array>
#include <QFrame>

class EditorLineEdit;
class PickerButton;
class QPushButton;
class TwipsScale;

// The lesson page `Frame2`: the eleven fields `Text1`(0..10), their pickers and the
// commands "读取", "保存", "重置", "退出".
class LessonPage : public QFrame
{
    Q_OBJECT
public:
    LessonPage(const TwipsScale &scale, const QCursor &pickerCursor, QWidget *parent = nullptr);

    EditorLineEdit *text1(int field) const { return m_text1.at(field); }
    // The picker `Image1`(k) of this page (k = 4, 6..11), or null.
    PickerButton *picker(int index) const;
    const QList<PickerButton *> &pickers() const { return m_pickers; }

    QPushButton *readButton() const { return m_command6; }
    QPushButton *saveButton() const { return m_command1; }
    QPushButton *resetButton() const { return m_command2; }
    QPushButton *exitButton() const { return m_command3; }

    editorfields::PageTexts texts() const;
    void setTexts(const editorfields::PageTexts &texts);

private:
    std::array<EditorLineEdit *, editorfields::kFieldCount> m_text1{};
    QList<PickerButton *> m_pickers;
    QPushButton *m_command6;
    QPushButton *m_command1;
    QPushButton *m_command2;
    QPushButton *m_command3;
};
