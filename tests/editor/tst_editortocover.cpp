// A lesson prepared in the editor is played: saved, back to the home screen,
// opened there and shown on the cover page. Runs on a real X display.

#include "editor/editorlineedit.h"
#include "editor/lessoneditor.h"
#include "editor/lessonpage.h"
#include "shell/homescreen.h"
#include "support/testcontext.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class TestEditorToCover : public QObject
{
    Q_OBJECT

private slots:
    void savedLessonReachesTheCoverPage()
    {
        TestContext t;
        t.writeSettings({QStringLiteral("一中"), QStringLiteral("高中物理"), QStringLiteral("王老师")});
        for (int n = 1; n <= 10; ++n)
            t.install(QStringLiteral(VELTANO_APP_DIR "/set/image/%1.jpg").arg(n),
                      QStringLiteral("set/image/%1.jpg").arg(n));

        t.flow.show(ScreenId::Home);
        auto *home = t.flow.windowAs<HomeScreen>(ScreenId::Home);
        QVERIFY(home);
        home->fileMenu()->findChild<QAction *>(QStringLiteral("Reset"))->trigger();
        auto *editor = t.flow.windowAs<LessonEditor>(ScreenId::Editor);
        QVERIFY(editor);
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        QVERIFY(!t.flow.isLoaded(ScreenId::Home));

        LessonPage *page = editor->lessonPage();
        page->text1(0)->setText(QStringLiteral("第三章 运动和力"));
        page->text1(1)->setText(QStringLiteral("牛顿第一定律"));
        QTest::mouseClick(page->saveButton(), Qt::LeftButton);
        const QString saved =
            t.programDir.filePath(QStringLiteral("备课本/配置区/第三章 运动和力/牛顿第一定律.spz"));
        QVERIFY(QFileInfo::exists(saved));

        t.fakes.messageBox.answer(MessageBox::Answer::Yes);
        QTest::mouseClick(page->exitButton(), Qt::LeftButton);
        home = t.flow.windowAs<HomeScreen>(ScreenId::Home);
        QVERIFY(home);
        QVERIFY(QTest::qWaitForWindowExposed(home));
        QCOMPARE(home->windowTitle(), QStringLiteral("高中物理Veltano"));

        t.fakes.fileDialog.answer({saved});
        home->MyFileOpen_Click();
        QTest::mouseClick(home, Qt::LeftButton);
        QWidget *cover = t.flow.window(ScreenId::Cover);
        QVERIFY(cover);
        QVERIFY(QTest::qWaitForWindowExposed(cover));
        QCOMPARE(cover->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("第三章 运动和力"));
        QCOMPARE(cover->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("牛顿第一定律"));
        QCOMPARE(cover->findChild<QLabel *>(QStringLiteral("Label3"))->text(),
                 QStringLiteral("执教：王老师"));
    }
};

QTEST_MAIN(TestEditorToCover)
#include "tst_editortocover.moc"
