// The lesson's screen without a display: which screen presents, the twips of a
// screen from its own DPI (the desktop laid out alike at 96, 144 and 192 DPI),
// and the remembered choice kept apart from the settings record.

#include "desktop/logic/desktoplayout.h"
#include "geometry/placement.h"
#include "geometry/screenchoice.h"
#include "lesson/programsettings.h"
#include "lesson/settingsfile.h"

#include <QTemporaryDir>
#include <QtTest>

class TestScreens : public QObject
{
    Q_OBJECT
private slots:
    void theChosenScreenPresentsWhileConnectedElseThePrimary();
    void theDesktopIsLaidOutAlikeAtEveryDpi_data();
    void theDesktopIsLaidOutAlikeAtEveryDpi();
    void anOddDpiSizeKeepsSixDigits();
    void theChoiceIsRememberedBesideTheSettingsFileNotInIt();
};

void TestScreens::theChosenScreenPresentsWhileConnectedElseThePrimary()
{
    const QList<ScreenInfo> two = {{QStringLiteral("eDP-1"), QSize(1366, 768)},
                                   {QStringLiteral("HDMI-1"), QSize(1920, 1080)}};
    QCOMPARE(screenchoice::projectorIndex(two, QStringLiteral("HDMI-1"), 0), 1);
    QCOMPARE(screenchoice::projectorIndex(two, QString(), 0), 0);
    // Unplugged: the remaining screen takes over.
    QCOMPARE(screenchoice::projectorIndex(two.mid(0, 1), QStringLiteral("HDMI-1"), 0), 0);
    QCOMPARE(screenchoice::projectorIndex({}, QStringLiteral("HDMI-1"), 0), -1);
    QCOMPARE(screenchoice::label(two[1]), QStringLiteral("HDMI-1（1920×1080）"));
}

void TestScreens::theDesktopIsLaidOutAlikeAtEveryDpi_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("factor"); // pixels per 96-DPI pixel, times two
    QTest::newRow("96") << 96.0 << 2;
    QTest::newRow("144") << 144.0 << 3;
    QTest::newRow("192") << 192.0 << 4;
}

// A 1920 x 1080 screen at 96 DPI, 2880 x 1620 at 144 and 3840 x 2160 at 192
// (a 4K projector at 200 %) are the same size in twips, so every placement in
// twips is the same and only the pixels scale.
void TestScreens::theDesktopIsLaidOutAlikeAtEveryDpi()
{
    QFETCH(double, dpi);
    QFETCH(int, factor);
    const ScreenInfo screen{QStringLiteral("p"), QSize(960 * factor, 540 * factor), dpi, dpi};
    const QSizeF twips = screenchoice::sizeInTwips(screen);
    QCOMPARE(twips, QSizeF(28800, 16200));

    const TwipsScale scale = screenchoice::scaleOf(screen);
    const DesktopFrames frames =
        layoutFrames(twips.width(), twips.height(), desktopdesign::kStripWidth, desktopdesign::kToolbarWidth);
    QCOMPARE(frames.frame1, (TwipsRect{0, 0, 28185, 15345}));
    const FullArea area = fullAreaOf(frames.frame1);
    QCOMPARE(area.Width, 28185);
    const TwipsRect centre = standardPlacement(TwipsRect{}, Position::Centre, area);
    QCOMPARE(centre, (TwipsRect{7046.25f, 3836.25f, 14092.5f, 7672.5f}));

    // In pixels: the strip begins where 615 twips before the right edge fall.
    const QRect strip = scale.toPixels(frames.frame2);
    QCOMPARE(strip.left(), qRound(28185 * dpi / 1440));
    QVERIFY(qAbs(strip.right() + 1 - screen.pixels.width()) <= 1); // each value rounded alone
    const QRect centred = scale.toPixels(centre);
    QVERIFY(qAbs(centred.width() - 939.5 * factor / 2) <= 1);
}

// The size was once kept as decimal text; every placement since has been made
// from its six significant digits, and the number keeps them.
void TestScreens::anOddDpiSizeKeepsSixDigits()
{
    const ScreenInfo screen{QStringLiteral("p"), QSize(1920, 1080), 91, 91};
    QCOMPARE(screenchoice::sizeInTwips(screen), QSizeF(30382.4, 17090.1));
}

void TestScreens::theChoiceIsRememberedBesideTheSettingsFileNotInIt()
{
    QTemporaryDir config;
    const SettingsFile dravik(config.filePath(QStringLiteral("Dravik.dll")));
    QVERIFY(dravik.create());
    QVERIFY(dravik.write({QStringLiteral("一中"), QStringLiteral("高中数学"), QStringLiteral("李明")}) ==
            SettingsFile::WriteResult::Ok);
    QFile before(dravik.path());
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();

    const ProgramSettings settings(config.path());
    QCOMPARE(settings.projectorScreen(), QString());
    QVERIFY(settings.setProjectorScreen(QStringLiteral("HDMI-1")));
    QCOMPARE(ProgramSettings(config.path()).projectorScreen(), QStringLiteral("HDMI-1"));
    QCOMPARE(QFileInfo(settings.path()).absolutePath(), QFileInfo(dravik.path()).absolutePath());
    QFile after(dravik.path());
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), bytes);
}

QTEST_GUILESS_MAIN(TestScreens)
#include "tst_screens.moc"
