#include "lessonpage.h"

#include "editorlineedit.h"
#include "editorstyle.h"
#include "geometry/twips.h"
#include "lesson/lineconfigfile.h"
#include "pickerbutton.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct Row {
    int field;
    const char *caption;
    double labelTop;
    double textTop;
    int picker; // -1: none
    double pickerTop;
};

// In the order the rows stand on the page.
const Row kRows[] = {
    {0, "章节课题", 360, 240, -1, 0},        {1, "本节课题", 840, 720, -1, 0},
    {2, "文档目录", 1440, 1320, -1, 0},      {3, "文档文件名", 2040, 1920, 6, 2040},
    {4, "文本文件名", 2640, 2520, 7, 2640},  {5, "Ppt文件名", 3120, 3120, 8, 3240},
    {6, "Flash文件名", 3720, 3720, 9, 3840}, {7, "视音频文件名", 4440, 4320, 10, 4440},
    {8, "图片文件", 5040, 4920, 11, 5040},   {10, "其他应用程序", 5520, 5520, 4, 5640},
    {9, "浏览器地址", 6120, 6120, -1, 0},
};

} // namespace

LessonPage::LessonPage(const TwipsScale &scale, const QCursor &pickerCursor, QWidget *parent) : QFrame(parent)
{
    for (const Row &row : kRows) {
        const QString caption = QString::fromUtf8(row.caption);
        auto *label = new QLabel(caption, this);
        // The longer captions need the wider label.
        editorstyle::place(label, editorstyle::indexedName("Label1", row.field), scale, 360, row.labelTop,
                           caption.size() > 4 ? 1335 : 1095, 375);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        auto *text = new EditorLineEdit(EditorLineEdit::EnterMovesOn | EditorLineEdit::SelectOnFocus, this);
        editorstyle::place(text, editorstyle::indexedName("Text1", row.field), scale, 1800, row.textTop, 4695,
                           375);
        // A field holds all a lesson's line can (lists of thousands of files), not
        // the line edit's usual 32767 characters that would cut a list short unseen.
        text->setMaxLength(lineconfig::kMaxLineBytes / 2);
        m_text1[row.field] = text;

        if (row.picker >= 0) {
            // The other program's picker shows no border while pressed.
            auto *picker = new PickerButton(row.picker, row.picker != 4, pickerCursor, this);
            editorstyle::place(picker, editorstyle::indexedName("Image1", row.picker), scale, 7080,
                               row.pickerTop, 465, 435);
            m_pickers.append(picker);
        }
    }
    m_text1[editorfields::WebAddressField]->setText(QString::fromUtf8(editorfields::kDefaultWebAddress));
    m_text1[7]->setToolTip(QStringLiteral("请输入视频文件完全路径"));

    auto button = [&](const char *caption, const char *name, double left) {
        auto *command = new QPushButton(QString::fromUtf8(caption), this);
        editorstyle::place(command, QLatin1String(name), scale, left, 6720, 1215, 375);
        return command;
    };
    m_command6 = button("读取", "Command6", 720);
    m_command1 = button("保存", "Command1", 2280);
    m_command2 = button("重置", "Command2", 3720);
    m_command3 = button("退出", "Command3", 5280);
}

PickerButton *LessonPage::picker(int index) const
{
    for (PickerButton *picker : m_pickers) {
        if (picker->index() == index)
            return picker;
    }
    return nullptr;
}

editorfields::PageTexts LessonPage::texts() const
{
    editorfields::PageTexts texts;
    for (int i = 0; i < editorfields::kFieldCount; ++i)
        texts[i] = m_text1[i]->text();
    return texts;
}

void LessonPage::setTexts(const editorfields::PageTexts &texts)
{
    for (int i = 0; i < editorfields::kFieldCount; ++i)
        m_text1[i]->setText(texts[i]);
}
