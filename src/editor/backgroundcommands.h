#pragma once

struct AppContext;
class BackgroundPage;

// The background page's commands "应用于…" and "重置".
class BackgroundCommands
{
public:
    BackgroundCommands(AppContext &context, BackgroundPage &page);

    void applyToLesson(); // Command8(1) 应用于…
    void reset();         // Command8(2) 重置

private:
    AppContext &m_context;
    BackgroundPage &m_page;
};
