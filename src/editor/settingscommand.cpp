#include "settingscommand.h"

#include "base/appcontext.h"
#include "editor/logic/settingswriter.h"
#include "editorlineedit.h"
#include "noticebox.h"
#include "systempage.h"

#include <QComboBox>

SettingsCommand::SettingsCommand(AppContext &context, SystemPage &page) : m_context(context), m_page(page)
{}

void SettingsCommand::Command7_Click()
{
    const settingswriter::Input input{m_page.text2()->text(), m_page.combo1()->currentText(),
                                      m_page.combo2()->currentText(), m_page.text3()->text()};
    const settingswriter::Outcome outcome = settingswriter::write(m_context.settingsPath, input);
    showNotice(*m_context.platform.messageBox, outcome.notice);
    if (outcome.missingNames)
        m_page.text2()->setFocus();
}
