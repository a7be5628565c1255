#include "app/lessonhandoff.h"
#include "editor/lessoneditor.h"
#include "shell/homescreen.h"
#include "support/testcontext.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QtTest>

namespace {

QAction *action(QWidget *window, const char *name)
{
    return window->findChild<QAction *>(QLatin1String(name));
}

// Stands in for a window built elsewhere, so the flow can be observed.
class MarkerScreen : public QWidget
{
};

} // namespace

class HomeScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void firstStartOpensTheEditorOnItsSystemPage()
    {
        TestContext t;
        t.flow.load(ScreenId::Home);
        QVERIFY(QFileInfo::exists(t.context.settingsPath));
        QVERIFY(!t.flow.isLoaded(ScreenId::Home));
        auto *editor = t.flow.windowAs<LessonEditor>(ScreenId::Editor);
        QVERIFY(editor && editor->isVisible());
        QVERIFY(editor->findChild<QWidget *>(QStringLiteral("Frame3"))->isVisible());
        QVERIFY(!editor->findChild<QWidget *>(QStringLiteral("Frame2"))->isVisible());
        auto *stages = editor->findChild<QComboBox *>(QStringLiteral("Combo1"));
        auto *subjects = editor->findChild<QComboBox *>(QStringLiteral("Combo2"));
        QCOMPARE(stages->count(), 3);
        QCOMPARE(stages->currentText(), QStringLiteral("高中"));
        QCOMPARE(subjects->count(), 13);
        QCOMPARE(subjects->itemText(9), QStringLiteral("历史"));
        QCOMPARE(subjects->currentText(), QStringLiteral("语文"));
        QVERIFY(editor->pageButton(2)->isChecked());
        QVERIFY(!t.ended);
    }

    void normalStartTakesCaptionsFromTheSettings()
    {
        TestContext t;
        t.writeSettings({QStringLiteral("实验中学"), QStringLiteral("高中物理"), QStringLiteral("张老师")});
        auto *home = qobject_cast<HomeScreen *>(t.flow.show(ScreenId::Home));
        QVERIFY(home);
        QCOMPARE(home->windowTitle(), QStringLiteral("高中物理Veltano"));
        const QString title = home->findChild<QLabel *>(QStringLiteral("Label1"))->text() +
                              home->findChild<QLabel *>(QStringLiteral("Label3"))->text();
        QCOMPARE(title, QStringLiteral("高中物理Veltano"));
        // The title breaks between the subject and the product's name, never inside the name.
        QCOMPARE(home->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("Veltano"));
        QCOMPARE(t.state.SettingsRecord.TeacherName, QStringLiteral("张老师"));
        QCOMPARE(t.state.ScreenWidth,
                 double(t.context.scale.toTwipsX(QGuiApplication::primaryScreen()->size().width())));
    }

    void emptyStageSubjectKeepsDesignCaptions()
    {
        TestContext t;
        t.writeSettings({QStringLiteral("一中"), QString(), QString()});
        auto *home = t.flow.show(ScreenId::Home);
        QCOMPARE(home->windowTitle(), QStringLiteral("高中数学Veltano"));
        QVERIFY(home->findChild<QLabel *>(QStringLiteral("Label1"))
                    ->text()
                    .startsWith(QStringLiteral("高中数学")));
    }

    void choosingAFileSetsConfigPathAndCaption()
    {
        TestContext t;
        t.writeSettings({QString(), QStringLiteral("初中英语"), QString()});
        auto *home = qobject_cast<HomeScreen *>(t.flow.show(ScreenId::Home));
        t.fakes.fileDialog.answerCancel();
        action(home, "MyFileOpen")->trigger();
        // The folders exist even though the dialog was cancelled.
        QVERIFY(QFileInfo(t.context.book.configArea()).isDir());
        QCOMPARE(t.fakes.fileDialog.requests.last().startFolder, t.context.book.configArea());
        QCOMPARE(t.fakes.fileDialog.requests.last().filter,
                 QStringLiteral("配置文件（*.spz）|*.spz|系统配置文件（*.gsx）|*.gsx"));
        QVERIFY(t.state.ConfigPath.isEmpty());
        QCOMPARE(home->windowTitle(), QStringLiteral("初中英语Veltano"));

        const QString lesson = t.context.book.configArea() + QStringLiteral("/集合.spz");
        t.fakes.fileDialog.answer({lesson});
        action(home, "MyFileOpen")->trigger();
        QCOMPARE(t.state.ConfigPath, lesson);
        QCOMPARE(home->windowTitle(), QStringLiteral("高中数学Veltano-------集合"));

        // A second choice replaces the suffix instead of adding to it.
        t.fakes.fileDialog.answer({t.context.book.configArea() + QStringLiteral("/函数.gsx")});
        action(home, "MyFileOpen")->trigger();
        QCOMPARE(home->windowTitle(), QStringLiteral("高中数学Veltano-------函数"));

        // A name too short to lose its ending keeps the caption.
        t.fakes.fileDialog.answer({QStringLiteral("/x/a.s")});
        action(home, "MyFileOpen")->trigger();
        QCOMPARE(t.state.ConfigPath, QStringLiteral("/x/a.s"));
        QCOMPARE(home->windowTitle(), QStringLiteral("高中数学Veltano-------函数"));
    }

    // Named on the command line or by a later launch: chosen as with the file
    // menu; while the home screen is away (the editor) it waits for its return.
    void lessonsFromOutsideAreChosenOnTheHomeScreen()
    {
        TestContext t;
        t.writeSettings({QString(), QStringLiteral("初中英语"), QString()});
        LessonHandOff handOff(t.flow);
        const QString first = QStringLiteral("/home/t/课件/集合.spz");
        handOff.hand(first);
        auto *home = qobject_cast<HomeScreen *>(t.flow.show(ScreenId::Home));
        QCOMPARE(t.state.ConfigPath, first);
        QCOMPARE(home->windowTitle(), QStringLiteral("高中数学Veltano-------集合"));
        QVERIFY(QFileInfo(t.context.book.configArea()).isDir());

        handOff.hand(QStringLiteral("/home/t/课件/函数.gsx"));
        QCOMPARE(home->windowTitle(), QStringLiteral("高中数学Veltano-------函数"));
        handOff.hand(QString());
        QCOMPARE(home->windowTitle(), QStringLiteral("高中数学Veltano-------函数"));

        action(home, "Reset")->trigger();
        handOff.hand(QStringLiteral("/home/t/课件/数列.spz"));
        QVERIFY(!t.flow.isLoaded(ScreenId::Home));
        home = qobject_cast<HomeScreen *>(t.flow.show(ScreenId::Home));
        QCOMPARE(t.state.ConfigPath, QStringLiteral("/home/t/课件/数列.spz"));
        QCOMPARE(home->windowTitle(), QStringLiteral("高中数学Veltano-------数列"));

        // Delivered once: the next return from the editor starts without a lesson.
        action(home, "Reset")->trigger();
        t.flow.load(ScreenId::Home);
        QVERIFY(t.state.ConfigPath.isEmpty());
    }

    void clicksShowTheMenuOrOpenTheCover()
    {
        TestContext t;
        t.writeSettings({QString(), QStringLiteral("高中数学"), QString()});
        t.flow.registerScreen(ScreenId::Cover, [] { return new MarkerScreen; });
        auto *home = qobject_cast<HomeScreen *>(t.flow.show(ScreenId::Home));
        QLabel *label2 = home->findChild<QLabel *>(QStringLiteral("Label2"));
        QVERIFY(label2->testAttribute(Qt::WA_TransparentForMouseEvents));

        QTest::mouseRelease(home, Qt::LeftButton, {}, label2->geometry().center());
        QVERIFY(home->fileMenu()->isVisible());
        home->fileMenu()->hide();
        QVERIFY(!t.flow.isLoaded(ScreenId::Cover));

        t.state.ConfigPath = QStringLiteral("/x/lesson.spz");
        QTest::mouseRelease(home, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(home->fileMenu()->isVisible());
        home->fileMenu()->hide();
        QVERIFY(!t.flow.isLoaded(ScreenId::Cover));

        // The status bar is no click target.
        QWidget *status = home->findChild<QWidget *>(QStringLiteral("StatusBar1"));
        QTest::mouseClick(status, Qt::LeftButton);
        QTest::mouseClick(status, Qt::RightButton);
        QVERIFY(!home->fileMenu()->isVisible());
        QVERIFY(!t.flow.isLoaded(ScreenId::Cover));

        QTest::mouseRelease(home, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(t.flow.isLoaded(ScreenId::Cover));
        QVERIFY(t.flow.window(ScreenId::Cover)->isVisible());
        QVERIFY(!t.flow.isLoaded(ScreenId::Home));
        QVERIFY(!t.ended);
    }

    void settingsItemOpensTheEditorAndReturningForgetsTheLesson()
    {
        TestContext t;
        t.writeSettings({QString(), QStringLiteral("高中数学"), QString()});
        auto *home = t.flow.show(ScreenId::Home);
        t.state.ConfigPath = QStringLiteral("/x/lesson.spz");
        action(home, "Reset")->trigger();
        QVERIFY(t.flow.isLoaded(ScreenId::Editor));
        QVERIFY(!t.flow.isLoaded(ScreenId::Home));

        // Back from the editor: start-up runs again.
        t.flow.load(ScreenId::Home);
        QVERIFY(t.state.ConfigPath.isEmpty());
    }

    void closingTheOnlyWindowEndsTheProgram()
    {
        TestContext t;
        t.writeSettings({QString(), QStringLiteral("高中数学"), QString()});
        auto *home = t.flow.show(ScreenId::Home);
        home->close();
        QVERIFY(t.ended);
        // An ended program loads no window, not even while its quit is still queued.
        QVERIFY(!t.flow.show(ScreenId::Home));
        QVERIFY(!t.flow.isLoaded(ScreenId::Home));
    }

    void editorLeftWithYesWhereNoSettingsCanBeMadeShowsTheHomeScreen()
    {
        TestContext t;
        // The settings folder's path runs through a regular file.
        QFile blocker(QFileInfo(t.context.settingsPath).absolutePath());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        t.flow.show(ScreenId::Home);
        auto *editor = t.flow.windowAs<LessonEditor>(ScreenId::Editor);
        QVERIFY(editor && editor->isVisible());
        QVERIFY(!QFileInfo::exists(t.context.settingsPath));

        t.fakes.messageBox.answer(MessageBox::Answer::Yes);
        editor->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!t.flow.isLoaded(ScreenId::Editor));
        QVERIFY(t.flow.isLoaded(ScreenId::Home));
        QVERIFY(t.flow.window(ScreenId::Home)->isVisible());
        QVERIFY(!t.ended);
    }
};

QTEST_MAIN(HomeScreenTest)
#include "tst_homescreen.moc"
