#pragma once

#include "base/screenflow.h"

#include <QPixmap>
#include <QWidget>

struct AppContext;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;

// The home screen (Form1): the product title, the choice of a lesson file, and
// the way on to the cover page or the lesson editor. Its load step is the
// program's start-up.
class HomeScreen : public QWidget, public Screen
{
    Q_OBJECT
public:
    explicit HomeScreen(AppContext &context, QWidget *parent = nullptr);

    void load() override;

    QMenu *fileMenu() const { return m_myfile; }

    // Mouse released over the window or a label.
    void goOn(Qt::MouseButton button, const QPoint &globalPos);
    void MyFileOpen_Click();
    // Chooses a lesson file named from outside (the command line, a second
    // launch) as if it had been picked with MyFileOpen.
    void chooseLesson(const QString &path);
    void Reset_Click();
    // "检查课件": the check of the chosen lesson, in a window of its own.
    void MyCheck_Click();
    // "打包课件": the chosen lesson and every file it names in one zip.
    void MyPack_Click();
    // "导入课件包": a pack unpacked into this program folder's lesson book,
    // its lesson then the chosen one.
    void MyImport_Click();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *makeLabel(const char *name, double left, double top, double width, double height,
                      const QFont &font);
    void openEditorOnSystemPage();
    void takeChosenFile(const QString &path);

    AppContext &m_context;
    QString m_baseCaption;
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
    QStatusBar *m_statusBar;
    QMenu *m_myfile;
    void notify(const QString &text);

    QAction *m_myCheck;
    QAction *m_myPack;
    QPixmap m_background;
};
