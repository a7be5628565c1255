#pragma once

#include <QDialog>

struct AppContext;
class LessonChecker;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "检查课件": every medium of the chosen lesson with what the check found; for
// a missing one the files of the same name, one of which may take its place
// in the lesson file after the teacher confirms the change.
class LessonCheckWindow : public QDialog
{
    Q_OBJECT
public:
    LessonCheckWindow(AppContext &context, QString lessonPath, QWidget *parent = nullptr);
    ~LessonCheckWindow() override;

    QTreeWidget *list() const { return m_list; }
    LessonChecker &checker() const { return *m_checker; }

    // Puts the selected file of the same name in the place of its missing medium.
    void useCandidate();

private:
    void showItem(int index);
    void selectionChanged();

    AppContext &m_context;
    QString m_lessonPath;
    LessonChecker *m_checker;
    QLabel *m_summary;
    QTreeWidget *m_list;
    QProgressBar *m_progress;
    QPushButton *m_use;
};
