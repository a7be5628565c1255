#pragma once

#include "editor/logic/editorfields.h"

#include <array>
#include <QFrame>

class PickerButton;
class QCheckBox;
class QLineEdit;
class QPushButton;
class TwipsScale;

// The background page `Frame4`: two background musics and two background pictures
// (`Text4`(0..3)) with their pickers, the boxes "默认" and "随机", and "应用于…",
// "重置", "退出".
class BackgroundPage : public QFrame
{
    Q_OBJECT
public:
    BackgroundPage(const TwipsScale &scale, const QCursor &pickerCursor, QWidget *parent = nullptr);

    QLineEdit *text4(int row) const { return m_text4.at(row); }
    PickerButton *picker(int row) const { return m_pickers.at(row); }
    QCheckBox *check1() const { return m_check1; }
    QCheckBox *check2() const { return m_check2; }
    QPushButton *applyButton() const { return m_apply; }
    QPushButton *resetButton() const { return m_reset; }
    QPushButton *exitButton() const { return m_exit; }

    editorfields::Backgrounds backgrounds() const;
    void clearBackgrounds();

private:
    // A ticked box empties and switches off its row; unticked, the row is editable again.
    void governRow(int row, bool ticked);

    std::array<QLineEdit *, 4> m_text4{};
    std::array<PickerButton *, 4> m_pickers{};
    QCheckBox *m_check1;
    QCheckBox *m_check2;
    QPushButton *m_apply;
    QPushButton *m_reset;
    QPushButton *m_exit;
};
