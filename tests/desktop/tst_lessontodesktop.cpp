// A lesson played from start to end on a real display: home screen, cover
// page, the teaching desktop with a text file placed from the menu bar and a
// picture zoomed on the screen, the exit question and the closing screen.

#include "desktop/desktopmenus.h"
#include "desktop/desktoptoolbar.h"
#include "desktop/panes/pictureelement.h"
#include "desktop/panes/picturepane.h"
#include "desktop/panes/textpane.h"
#include "desktop/teachingdesktop.h"
#include "lesson/configfile.h"
#include "lesson/gbktext.h"
#include "shell/homescreen.h"
#include "support/testcontext.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

class LessonToDesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void lessonRunsFromHomeToClosing()
    {
        TestContext t;
        t.writeSettings({QStringLiteral("一中"), QStringLiteral("高中物理"), QStringLiteral("王老师")});
        QDir(t.programFolder()).mkpath(QStringLiteral("备课本/配置区"));
        QDir(t.programFolder()).mkpath(QStringLiteral("备课本/第三章"));
        QFile text(t.programDir.filePath(QStringLiteral("备课本/第三章/定律.txt")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        QByteArray bytes;
        QVERIFY(gbk::encode(QStringLiteral("物体保持静止或匀速直线运动"), &bytes));
        text.write(bytes);
        text.close();

        LessonRecord lesson;
        lesson[slot::ChapterTitle] = QStringLiteral("第三章 运动和力");
        lesson[slot::LessonTitle] = QStringLiteral("牛顿第一定律");
        lesson[slot::TextFiles] = QStringLiteral("第三章\\定律.txt ");
        lesson[slot::PictureFiles] = QStringLiteral("备课本\\第三章\\小车.png ");
        QImage red(200, 150, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(t.programDir.filePath(QStringLiteral("备课本/第三章/小车.png"))));
        QByteArray encoded;
        QVERIFY(configfile::encodeLineFile(lesson, &encoded));
        const QString lessonFile = t.programDir.filePath(QStringLiteral("备课本/配置区/牛顿第一定律.spz"));
        QFile spz(lessonFile);
        QVERIFY(spz.open(QIODevice::WriteOnly));
        spz.write(encoded);
        spz.close();

        t.flow.show(ScreenId::Home);
        auto *home = t.flow.windowAs<HomeScreen>(ScreenId::Home);
        QVERIFY(home);
        t.fakes.fileDialog.answer({lessonFile});
        home->MyFileOpen_Click();
        QTest::mouseClick(home, Qt::LeftButton);
        QWidget *cover = t.flow.window(ScreenId::Cover);
        QVERIFY(cover);
        QVERIFY(QTest::qWaitForWindowExposed(cover));
        QTest::mouseClick(cover->findChild<QLabel *>(QStringLiteral("Image1")), Qt::LeftButton, {}, {20, 20});

        auto *desktop = t.flow.windowAs<TeachingDesktop>(ScreenId::Desktop);
        QVERIFY(desktop);
        QVERIFY(QTest::qWaitForWindowActive(desktop));
        QVERIFY(!t.flow.isLoaded(ScreenId::Cover));
        QCOMPARE(desktop->windowTitle(),
                 QStringLiteral("一中高中物理Veltano                   第三章 运动和力之牛顿第一定律"));
        QCOMPARE(desktop->geometry().size(), QSize(1024, 768));
        QCOMPARE(QApplication::focusWidget(), desktop->findChild<QWidget *>(QStringLiteral("OLE1")));
        QCOMPARE(desktop->menus().clickTs()->text(), QStringLiteral("提示"));

        desktop->toolbar()->button(QStringLiteral("txt"))->trigger();
        auto *pane = static_cast<TextPane *>(desktop->pane(PaneKind::Text));
        QVERIFY(pane->isVisible());
        QCOMPARE(pane->RichTextBox1()->toPlainText(), QStringLiteral("物体保持静止或匀速直线运动"));

        QTest::mouseClick(pane->RichTextBox1()->viewport(), Qt::LeftButton, {}, {40, 40});
        QCOMPARE(desktop->menus().clickTs()->text(), QStringLiteral("Txt"));
        desktop->menus().item(QStringLiteral("AllLeft"))->trigger();
        QCOMPARE(pane->geometry().width, 14745.0f / 2);
        QCOMPARE(pane->RichTextBox1()->width(), 492);

        // The picture at a third of the work area, then zoomed in by a click
        // until it is over half the work area's height, painted on the screen.
        desktop->toolbar()->button(QStringLiteral("Picture"))->trigger();
        auto *pictures = static_cast<PicturePane *>(desktop->pane(PaneKind::Picture));
        PictureElementView *picture = pictures->Image1(0);
        QCOMPARE(pictures->geometry(), (TwipsRect{7374.5f, 0, 4915, 3555}));
        desktop->menus().item(QStringLiteral("PicEnlarge"))->trigger();
        QTest::mouseClick(picture, Qt::LeftButton, {}, {10, 10});
        QTRY_VERIFY_WITH_TIMEOUT(!pictures->Timer1()->isActive(), 10000);
        QVERIFY(pictures->geometry().height > 10665 / 2.0f);
        const QPoint lowCentre = picture->mapToGlobal(QPoint(picture->width() / 2, picture->height() - 5));
        QTRY_COMPARE(
            desktop->screen()->grabWindow(0, lowCentre.x(), lowCentre.y(), 1, 1).toImage().pixelColor(0, 0),
            QColor(Qt::red));

        t.fakes.messageBox.answer(MessageBox::Answer::Yes);
        desktop->close();
        QWidget *closing = t.flow.window(ScreenId::Closing);
        QVERIFY(closing);
        QVERIFY(QTest::qWaitForWindowExposed(closing));
        QVERIFY(!t.flow.isLoaded(ScreenId::Desktop));
        QVERIFY(!t.ended);
        QTest::mouseClick(closing->findChild<QLabel *>(QStringLiteral("Image1")), Qt::LeftButton, {},
                          {20, 20});
        QVERIFY(t.ended);
    }
};

QTEST_MAIN(LessonToDesktopTest)
#include "tst_lessontodesktop.moc"
