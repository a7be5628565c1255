#include "mediapicker.h"

#include "backgroundpage.h"
#include "base/appcontext.h"
#include "editor/logic/pickerrules.h"
#include "editorlineedit.h"
#include "lessonpage.h"
#include "platform/dialogs/dialogchoice.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"

MediaPicker::MediaPicker(AppContext &context, LessonPage &lessonPage, BackgroundPage &backgroundPage)
    : m_context(context), m_lessonPage(lessonPage), m_backgroundPage(backgroundPage)
{}

QLineEdit *MediaPicker::fieldOf(const PickerRule &rule) const
{
    if (rule.page == PickerRule::Page::Background)
        return m_backgroundPage.text4(rule.field);
    return m_lessonPage.text1(rule.field);
}

QString MediaPicker::rootOf(const PickerRule &rule) const
{
    if (rule.root == PickerRule::Root::Program)
        return m_context.book.programFolder();
    return m_lessonPage.text1(slot::DocumentFolder)->text();
}

void MediaPicker::refuse(const PickerRule &rule, const QString &root)
{
    m_context.platform.messageBox->show(pickerrules::locationMessage(root, rule.ending),
                                        QStringLiteral("文件位置错误"), MessageBox::Icon::Information,
                                        MessageBox::Buttons::Ok);
}

void MediaPicker::Image1_Click(int index)
{
    const std::optional<PickerRule> rule = pickerrules::rule(index);
    if (!rule)
        return;
    QLineEdit *field = fieldOf(*rule);
    // The root is taken before the dialog opens, as the teacher left it.
    const QString root = rootOf(*rule);
    if (rule->root == PickerRule::Root::Document && root.isEmpty()) {
        m_context.platform.messageBox->show(pickerrules::emptyRootMessage(), QStringLiteral("文件位置错误"),
                                            MessageBox::Icon::Information, MessageBox::Buttons::Ok);
        return;
    }

    OpenFileRequest request;
    request.filter = rule->filter;
    request.startFolder = rule->startFolder(m_context.book);
    request.multiple = rule->several;
    request.executablesOnly = rule->picksProgram();
    if (rule->several)
        request.title = QStringLiteral("选择文件");
    const OpenFileResult chosen = m_context.platform.fileDialog->getOpenFile(request);
    if (chosen.cancelled)
        return;

    if (rule->root == PickerRule::Root::None) {
        field->setText(chosen.paths.first());
        return;
    }
    if (!rule->several) {
        const std::optional<QString> name = pickerrules::documentName(root, chosen.paths.first());
        if (!name) {
            refuse(*rule, root);
            field->clear();
            return;
        }
        field->setText(*name);
        return;
    }

    const SelectFileInfo choice = parseDialogChoice(chosen.text, *m_context.platform.messageBox);
    const std::optional<QString> entries = pickerrules::listEntries(root, choice);
    if (!entries) {
        refuse(*rule, root);
        return;
    }
    const QString spaced = pickerrules::nameWithSpace(root, choice);
    if (!spaced.isEmpty()) {
        m_context.platform.messageBox->show(pickerrules::nameWithSpaceMessage(spaced), QStringLiteral("提示"),
                                            MessageBox::Icon::Information, MessageBox::Buttons::Ok);
        return;
    }
    field->setText(field->text() + *entries);
}
