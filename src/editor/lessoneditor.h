#pragma once

#include "shell/screenflow.h"

#include <QWidget>

struct AppContext;
class QActionGroup;
class QComboBox;
class QLineEdit;
class QToolBar;
class QAction;

// The lesson editor (Form5): three pages switched by its toolbar — the lesson,
// the system settings and the backgrounds.
class LessonEditor : public QWidget, public Screen
{
    Q_OBJECT
public:
    explicit LessonEditor(AppContext &context, QWidget *parent = nullptr);

    void load() override;

    // First start: the system page, with "高中" and "语文" chosen.
    void prepareSystemPageForFirstStart();

    // Shows page 1..3 (lesson, system, background) and presses its button.
    void showPage(int page);
    QAction *pageButton(int page) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildSystemPage();

    AppContext &m_context;
    QWidget *m_frame1;
    QToolBar *m_toolbar1;
    QActionGroup *m_pageButtons;
    QWidget *m_frame2;
    QWidget *m_frame3;
    QWidget *m_frame4;
    QLineEdit *m_text2;
    QComboBox *m_combo1;
    QComboBox *m_combo2;
    QLineEdit *m_text3;
};
