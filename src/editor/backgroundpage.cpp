#include "backgroundpage.h"

#include "editorstyle.h"
#include "pickerbutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

BackgroundPage::BackgroundPage(const TwipsScale &scale, const QCursor &pickerCursor, QWidget *parent)
    : QFrame(parent)
{
    auto *frame5 = new QFrame(this);
    editorstyle::place(frame5, QStringLiteral("Frame5"), scale, 480, 600, 1215, 5295);
    auto *frame6 = new QFrame(this);
    editorstyle::place(frame6, QStringLiteral("Frame6"), scale, 1680, 600, 5895, 5295);
    for (QFrame *frame : {frame5, frame6}) {
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        editorstyle::fill(frame, editorstyle::kPanel);
    }

    const char *const captions[] = {"背景音乐1", "背景音乐2", "背景图片1", "背景图片2"};
    const double labelTops[] = {480, 1680, 3000, 4320};
    const double textTops[] = {360, 1680, 3000, 4200};
    const double pickerTops[] = {240, 1680, 3000, 4200};
    for (int row = 0; row < 4; ++row) {
        auto *label = new QLabel(QString::fromUtf8(captions[row]), frame5);
        editorstyle::place(label, editorstyle::indexedName("Label5", row), scale, 120, labelTops[row], 975,
                           255);
        m_text4[row] = new QLineEdit(frame6);
        editorstyle::place(m_text4[row], editorstyle::indexedName("Text4", row), scale, 240, textTops[row],
                           3735, 375);
        m_pickers[row] = new PickerButton(row, true, pickerCursor, frame6);
        editorstyle::place(m_pickers[row], editorstyle::indexedName("Image1", row), scale, 4800,
                           pickerTops[row], 465, 435);
    }

    m_check1 = new QCheckBox(QStringLiteral("默认"), frame6);
    editorstyle::place(m_check1, QStringLiteral("Check1"), scale, 4080, 360, 735, 255);
    m_check2 = new QCheckBox(QStringLiteral("随机"), frame6);
    editorstyle::place(m_check2, QStringLiteral("Check2"), scale, 4080, 3120, 735, 255);
    connect(m_check1, &QCheckBox::clicked, this, [this](bool ticked) { governRow(0, ticked); });
    connect(m_check2, &QCheckBox::clicked, this, [this](bool ticked) { governRow(2, ticked); });

    auto button = [&](const char *caption, int index, double left, QStyle::StandardPixmap icon) {
        auto *command = new QPushButton(style()->standardIcon(icon), QString::fromUtf8(caption), this);
        editorstyle::place(command, editorstyle::indexedName("Command8", index), scale, left, 6360, 1095,
                           375);
        command->setCursor(pickerCursor);
        return command;
    };
    m_apply = button("应用于…", 1, 1680, QStyle::SP_DialogApplyButton);
    m_reset = button("重置", 2, 3720, QStyle::SP_DialogResetButton);
    m_exit = button("退出", 3, 5880, QStyle::SP_DialogCloseButton);
}

editorfields::Backgrounds BackgroundPage::backgrounds() const
{
    return {m_text4[0]->text(), m_text4[1]->text(), m_text4[2]->text(), m_text4[3]->text()};
}

void BackgroundPage::clearBackgrounds()
{
    for (QLineEdit *text : m_text4)
        text->clear();
}

void BackgroundPage::governRow(int row, bool ticked)
{
    QLineEdit *text = m_text4[row];
    if (ticked)
        text->clear();
    text->setEnabled(!ticked);
    editorstyle::setFieldBackground(text, ticked ? editorstyle::kGrey : editorstyle::kWhite);
    m_pickers[row]->setEnabled(!ticked);
    if (!ticked)
        text->setFocus();
}
