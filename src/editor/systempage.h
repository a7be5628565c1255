#pragma once

#include <QFrame>

class EditorLineEdit;
class QComboBox;
class QLineEdit;
class QPushButton;
class TwipsScale;

// The system page `Frame3`: unit, stage and subject, teacher, with "确定" and "退出".
class SystemPage : public QFrame
{
    Q_OBJECT
public:
    explicit SystemPage(const TwipsScale &scale, QWidget *parent = nullptr);

    EditorLineEdit *text2() const { return m_text2; }
    QComboBox *combo1() const { return m_combo1; }
    QComboBox *combo2() const { return m_combo2; }
    QLineEdit *text3() const { return m_text3; }
    // "放映屏幕": the screen the cover page, desktop and closing screen open on.
    QComboBox *combo3() const { return m_combo3; }
    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *exitButton() const { return m_exit; }

    // The stage list afresh with "高中" chosen, and its subjects with "语文" chosen.
    void fillLists();
    // A stage picked: the subject list of that stage, its first subject chosen.
    void Combo1_Click(int stageIndex);

private:
    EditorLineEdit *m_text2;
    QComboBox *m_combo1;
    QComboBox *m_combo2;
    QLineEdit *m_text3;
    QComboBox *m_combo3;
    QPushButton *m_confirm;
    QPushButton *m_exit;
};
