#pragma once

struct AppContext;
class LessonPage;

// The lesson page's commands "读取", "保存" and "重置".
class LessonCommands
{
public:
    LessonCommands(AppContext &context, LessonPage &page);

    void Command6_Click(); // 读取
    void Command1_Click(); // 保存
    void Command2_Click(); // 重置

private:
    AppContext &m_context;
    LessonPage &m_page;
    // True until a "读取" supplies the background lines: a save then keeps the lines the
    // target file already holds instead of writing empty ones over them.
    bool m_keepFileBackgrounds = true;
};
