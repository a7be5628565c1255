#pragma once

#include "base/screenflow.h"

#include <memory>
#include <QWidget>

struct AppContext;
class BackgroundCommands;
class BackgroundPage;
class LessonCommands;
class LessonPage;
class MediaPicker;
class QAction;
class QActionGroup;
class QToolBar;
class SettingsCommand;
class SystemPage;

// The lesson editor (Form5): three pages switched by its toolbar — the lesson, the
// system settings and the backgrounds. The window wires the pages to their commands;
// the commands and the pickers do the work.
class LessonEditor : public QWidget, public Screen, public FirstStartScreen
{
    Q_OBJECT
public:
    explicit LessonEditor(AppContext &context, QWidget *parent = nullptr);
    ~LessonEditor() override;

    void load() override;

    // First start: the system page, with "高中" and "语文" chosen.
    void prepareSystemPageForFirstStart() override;

    // Shows page 1..3 (lesson, system, background) and presses its button.
    void showPage(int page);
    QAction *pageButton(int page) const;
    void Toolbar1_ButtonClick(const QString &key);

    LessonPage *lessonPage() const { return m_frame2; }
    SystemPage *systemPage() const { return m_frame3; }
    BackgroundPage *backgroundPage() const { return m_frame4; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolbar();
    void connectCommands();
    void setFocusOrder();

    AppContext &m_context;
    QWidget *m_frame1;
    QToolBar *m_toolbar1;
    QActionGroup *m_pageButtons;
    LessonPage *m_frame2;
    SystemPage *m_frame3;
    BackgroundPage *m_frame4;
    std::unique_ptr<LessonCommands> m_lessonCommands;
    std::unique_ptr<SettingsCommand> m_settingsCommand;
    std::unique_ptr<BackgroundCommands> m_backgroundCommands;
    std::unique_ptr<MediaPicker> m_picker;
};
