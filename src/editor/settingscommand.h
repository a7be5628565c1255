#pragma once

struct AppContext;
class SystemPage;

// The system page's "确定": writes the settings file.
class SettingsCommand
{
public:
    SettingsCommand(AppContext &context, SystemPage &page);

    void Command7_Click();

private:
    AppContext &m_context;
    SystemPage &m_page;
};
