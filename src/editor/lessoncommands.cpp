#include "lessoncommands.h"

#include "base/appcontext.h"
#include "base/sharedstate.h"
#include "editor/logic/lessonfiles.h"
#include "editor/logic/lessonsaver.h"
#include "editorlineedit.h"
#include "lessonpage.h"
#include "noticebox.h"
#include "platform/filedialog.h"

namespace {

editorfields::PageTexts emptyPage()
{
    editorfields::PageTexts page;
    page[editorfields::WebAddressField] = QString::fromUtf8(editorfields::kDefaultWebAddress);
    return page;
}

} // namespace

LessonCommands::LessonCommands(AppContext &context, LessonPage &page) : m_context(context), m_page(page)
{}

void LessonCommands::Command6_Click()
{
    clearLineSlots(m_context.state.LessonFields);
    m_page.setTexts(emptyPage());
    // Until a file is read, nothing here speaks for the background lines.
    m_keepFileBackgrounds = true;

    const std::optional<QString> chosen = m_context.platform.fileDialog->chooseFile(
        QStringLiteral("系统配置文件(*.spz)|*.spz|文本配置文件(*.txt)|*.txt|配置文件（*.gsx）|*.gsx"),
        m_context.book.configArea());
    if (!chosen)
        return;
    bool read = false;
    editorfields::PageTexts page = lessonfiles::readLesson(*chosen, m_context.state.LessonFields, &read);
    // A lesson written on Windows names its document folder there ("D:\...\备课本").
    QString &folder = page[slot::DocumentFolder];
    folder = m_context.book.locateFolder(folder);
    m_page.setTexts(page);
    m_keepFileBackgrounds = !read;
}

void LessonCommands::Command1_Click()
{
    LessonRecord &fields = m_context.state.LessonFields;
    const LessonSaver::Outcome outcome =
        LessonSaver::save(m_page.texts(), editorfields::backgroundsOf(fields), m_keepFileBackgrounds);
    showNotice(*m_context.platform.messageBox, outcome.notice);
    if (outcome.lessonTitleMissing)
        m_page.text1(slot::LessonTitle)->setFocus();
    if (!outcome.saved)
        return;
    clearLineSlots(fields);
    m_keepFileBackgrounds = true;
}

void LessonCommands::Command2_Click()
{
    editorfields::PageTexts page = emptyPage();
    page[slot::DocumentFolder] = m_context.book.lessonBook();
    m_page.setTexts(page);
}
