#include "backgroundcommands.h"

#include "backgroundpage.h"
#include "base/appcontext.h"
#include "editor/logic/lessonfiles.h"
#include "noticebox.h"
#include "platform/filedialog.h"

BackgroundCommands::BackgroundCommands(AppContext &context, BackgroundPage &page)
    : m_context(context), m_page(page)
{}

void BackgroundCommands::applyToLesson()
{
    OpenFileRequest request;
    request.title = QStringLiteral("应用于");
    request.filter = QStringLiteral("系统配置文件（*.spz）|*.spz");
    request.startFolder = m_context.book.configArea();
    const std::optional<QString> chosen = m_context.platform.fileDialog->chooseFile(request);
    if (!chosen)
        return;
    if (const auto notice = lessonfiles::applyBackgrounds(*chosen, m_page.backgrounds()))
        showNotice(*m_context.platform.messageBox, *notice);
}

void BackgroundCommands::reset()
{
    m_page.clearBackgrounds();
}
