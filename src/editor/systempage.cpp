#include "systempage.h"

#include "editor/logic/stagelists.h"
#include "editorlineedit.h"
#include "editorstyle.h"
#include "platform/songfont.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

SystemPage::SystemPage(const TwipsScale &scale, QWidget *parent) : QFrame(parent)
{
    const QFont captionFont = songFont(14.25);
    auto label = [&](const char *caption, const char *name, double left, double top, double width = 855) {
        auto *created = new QLabel(QString::fromUtf8(caption), this);
        created->setFont(captionFont);
        editorstyle::place(created, QLatin1String(name), scale, left, top, width, 375);
        return created;
    };
    QLabel *unitLabel = label("单位", "Label3", 1440, 1320);
    QLabel *subjectLabel = label("学科", "Label2", 1320, 2880);
    QLabel *teacherLabel = label("执教", "Label4", 1320, 4320);
    // The screen the lesson is shown on: a choice of this program's own, kept
    // apart from the settings record that "确定" writes.
    QLabel *projectorLabel = label("放映屏幕", "Label6", 480, 5160, 1815);

    m_text2 = new EditorLineEdit(EditorLineEdit::EnterMovesOn, this);
    editorstyle::place(m_text2, QStringLiteral("Text2"), scale, 2520, 1320, 3495, 375);
    // Drop-down lists whose text may also be typed.
    m_combo1 = new QComboBox(this);
    m_combo1->setEditable(true);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    editorstyle::place(m_combo1, QStringLiteral("Combo1"), scale, 2400, 2880, 1455, 330);
    m_combo2 = new QComboBox(this);
    m_combo2->setEditable(true);
    m_combo2->setInsertPolicy(QComboBox::NoInsert);
    editorstyle::place(m_combo2, QStringLiteral("Combo2"), scale, 4080, 2880, 1935, 330);
    m_text3 = new QLineEdit(this);
    editorstyle::place(m_text3, QStringLiteral("Text3"), scale, 2400, 4320, 3495, 375);

    m_combo3 = new QComboBox(this);
    editorstyle::place(m_combo3, QStringLiteral("Combo3"), scale, 2400, 5160, 3495, 330);

    m_confirm = new QPushButton(QStringLiteral("确定"), this);
    editorstyle::place(m_confirm, QStringLiteral("Command7(0)"), scale, 2280, 6000, 975, 375);
    m_exit = new QPushButton(QStringLiteral("退出"), this);
    editorstyle::place(m_exit, QStringLiteral("Command7(1)"), scale, 4800, 6000, 975, 375);
    // Each caption names its field for screen readers (and the tests that find fields by name).
    unitLabel->setBuddy(m_text2);
    subjectLabel->setBuddy(m_combo1);
    teacherLabel->setBuddy(m_text3);
    projectorLabel->setBuddy(m_combo3);

    connect(m_combo1, qOverload<int>(&QComboBox::activated), this, &SystemPage::Combo1_Click);
}

void SystemPage::fillLists()
{
    m_combo1->clear();
    m_combo1->addItems(stagelists::stages());
    m_combo1->setCurrentIndex(0);
    Combo1_Click(0);
}

void SystemPage::Combo1_Click(int stageIndex)
{
    const QStringList subjects = stagelists::subjectsOf(stageIndex);
    if (subjects.isEmpty())
        return;
    m_combo2->clear();
    m_combo2->addItems(subjects);
    m_combo2->setCurrentIndex(0);
}
