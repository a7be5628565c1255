#include "lesson/gbktext.h"
#include "shell/aboutbox.h"
#include "shell/closingscreen.h"
#include "shell/logic/closingrules.h"
#include "support/testcontext.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <QWindow>

namespace {

// A sayings file whose odd line n reads "saying n" and even lines "source n".
void writeSayings(TestContext &t, int lines)
{
    QByteArray bytes;
    for (int n = 1; n <= lines; ++n) {
        QByteArray line;
        gbk::encode((n % 2 ? QStringLiteral("名言%1") : QStringLiteral("出处%1")).arg(n), &line);
        bytes += line + "\r\n";
    }
    QDir().mkpath(t.context.book.setFolder());
    QFile file(t.context.book.sayingsFile());
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

} // namespace

class ClosingScreensTest : public QObject
{
    Q_OBJECT
private slots:
    void sayingLineIsAlwaysOdd()
    {
        QCOMPARE(closing::sayingLine(0.0), 1);
        QCOMPARE(closing::sayingLine(0.9999999), 1687);
        QCOMPARE(closing::sayingLine(0.5), 845);
        for (double r = 0; r < 1; r += 0.0137)
            QVERIFY(closing::sayingLine(r) % 2 == 1);
    }

    void sayingWidthFollowsNarrowScreens()
    {
        QCOMPARE(closing::sayingWidth(12000), 10200.0);
        QCOMPARE(closing::sayingWidth(15360), 9855.0);
        QCOMPARE(closing::sayingWidth(12480), 9855.0);
    }

    void closingScreenShowsTheDrawnSaying()
    {
        TestContext t;
        writeSayings(t, 1688);
        t.state.SettingsRecord.StageSubject = QStringLiteral("初中化学");
        t.state.ScreenWidth = 12000;
        t.flow.registerScreen(ScreenId::Closing,
                              [&t] { return new ClosingScreen(t.context, [] { return 0.9999; }); });
        auto *screen = qobject_cast<ClosingScreen *>(t.flow.show(ScreenId::Closing));
        QCOMPARE(screen->windowTitle(), QStringLiteral("初中化学Veltano"));
        QCOMPARE(screen->saying()->text(), QStringLiteral("名言1687"));
        QCOMPARE(screen->sayingWidthTwips(), 10200.0);
    }

    void missingOrShortSayingsFileShowsNothing()
    {
        TestContext t;
        writeSayings(t, 3);
        t.state.ScreenWidth = 15360;
        t.flow.registerScreen(ScreenId::Closing,
                              [&t] { return new ClosingScreen(t.context, [] { return 0.5; }); });
        auto *screen = qobject_cast<ClosingScreen *>(t.flow.show(ScreenId::Closing));
        QCOMPARE(screen->saying()->text(), QString());
        QCOMPARE(screen->sayingWidthTwips(), 9855.0);
        QFile::remove(t.context.book.sayingsFile());
        t.flow.unload(ScreenId::Closing);
    }

    void clickOnPictureOrSayingEndsTheProgram_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("saying") << QStringLiteral("Label1");
        QTest::newRow("picture") << QStringLiteral("Image1");
    }

    void clickOnPictureOrSayingEndsTheProgram()
    {
        QFETCH(QString, target);
        TestContext t;
        writeSayings(t, 1688);
        t.state.ScreenWidth = 15360;
        auto *screen = t.flow.show(ScreenId::Closing);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        QTest::mouseClick(screen->findChild<QLabel *>(QStringLiteral("Label2")), Qt::LeftButton);
        auto *control = screen->findChild<QWidget *>(target);
        QTest::mouseClick(control, Qt::RightButton);
        QTest::mouseClick(control, Qt::MiddleButton);
        // Pressed on the control, released off it: no click.
        QTest::mousePress(control, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(!t.ended);
        QTest::mouseClick(control, Qt::LeftButton);
        QVERIFY(t.ended);
    }

    void aboutBoxShowsVersionAndClosesItself()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("4.0.0"));
        TestContext t;
        t.flow.registerScreen(ScreenId::Home, [] { return new QWidget; });
        t.flow.load(ScreenId::Home); // the desktop stays behind the box
        auto *box = qobject_cast<AboutBox *>(t.flow.show(ScreenId::About));
        QCOMPARE(box->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("版本 4.0.0"));
        QCOMPARE(box->findChild<QLabel *>(QStringLiteral("lblProductName"))->text(),
                 QStringLiteral("Veltano"));
        QCOMPARE(box->timer()->interval(), 8000);
        QVERIFY(box->timer()->isActive());
        box->timer()->setInterval(1);
        box->timer()->start();
        QTRY_VERIFY(!t.flow.isLoaded(ScreenId::About));
        QVERIFY(!t.flow.isLoaded(ScreenId::About));

        // Closed from the window manager it is unloaded: the next opening starts afresh.
        box = qobject_cast<AboutBox *>(t.flow.show(ScreenId::About));
        QVERIFY(QTest::qWaitForWindowExposed(box));
        box->windowHandle()->close();
        QVERIFY(!t.flow.isLoaded(ScreenId::About));
        QVERIFY(!t.ended);
    }

    // Runs on a bare X server: no window manager gives the box the keyboard.
    void aboutBoxTakesTheKeyboardAndClosesOnTypedKeysAndLeftClicks()
    {
        TestContext t;
        t.flow.registerScreen(ScreenId::Home, [] { return new QWidget; });
        t.flow.load(ScreenId::Home);
        QWidget behind;
        behind.setGeometry(0, 0, 1024, 768);
        behind.show();
        behind.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&behind));

        auto *box = t.flow.show(ScreenId::About);
        QTRY_COMPARE(QApplication::activeWindow(), box);
        // Keys reach the window that holds the keyboard, as a typed key would.
        QWidget *const keyboard = nullptr;
        for (const Qt::Key alone : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt})
            QTest::keyClick(keyboard, alone);
        QVERIFY(t.flow.isLoaded(ScreenId::About));
        QTest::keyClick(keyboard, Qt::Key_A);
        QVERIFY(!t.flow.isLoaded(ScreenId::About));

        box = t.flow.show(ScreenId::About);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        auto *frame = box->findChild<QWidget *>(QStringLiteral("Frame1"));
        QTest::mouseClick(frame, Qt::RightButton);
        QTest::mouseClick(frame, Qt::MiddleButton);
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(t.flow.isLoaded(ScreenId::About));
        QTest::mouseClick(frame, Qt::LeftButton);
        QVERIFY(!t.flow.isLoaded(ScreenId::About));
        QVERIFY(!t.ended);
    }
};

QTEST_MAIN(ClosingScreensTest)
#include "tst_closingscreens.moc"
