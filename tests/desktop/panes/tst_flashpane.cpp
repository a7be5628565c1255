#include "desktop/panes/flashpane.h"
#include "panedesktop.h"
#include "platform/web/ruffleflashplayer.h"
#include "platform/web/webengine.h"

#include <QWidget>

namespace {

struct FlashDesktop : PaneDesktop {
    FlashPane *flash = nullptr;
    FakeFlashPlayer *player = nullptr;

    void open()
    {
        show();
        flash = pane<FlashPane>(PaneKind::Flash);
        player = fakes.flashPlayers.created.last();
    }

    QString caption() const { return desktop->toolbar()->button(QStringLiteral("flash"))->text(); }
    QString file(const char *name) const { return programFolder() + QString::fromUtf8(name); }
};

const QString kSample = QStringLiteral("/set/sample.swf");

} // namespace

class FlashPaneTest : public QObject
{
    Q_OBJECT
private slots:
    // A game fills the work area; "隐藏" loads the placeholder before hiding, so
    // a position item then does nothing, and a game shows the pane again.
    void gamesFillTheWorkAreaAndHidingLoadsThePlaceholder()
    {
        FlashDesktop d;
        d.open();
        QCOMPARE(d.player->widget()->objectName(), QStringLiteral("ShockwaveFlash1"));
        QVERIFY(!d.flash->isVisible());
        d.item("GameWar");
        QVERIFY(d.flash->isVisible() && d.player->widget()->isVisible());
        QCOMPARE(d.player->movie(), d.file("/set/flash/机器人战争.swf"));
        const FullArea &a = d.desktop->fullArea();
        QCOMPARE(d.flash->geometry(),
                 (TwipsRect{float(a.Left), float(a.Top), float(a.Width), float(a.Height)}));

        d.item("GameHide");
        QCOMPARE(d.player->commands.last(), "movie:" + d.file("/set/sample.swf"));
        QVERIFY(!d.flash->isVisible() && !d.player->widget()->isVisible());
        const TwipsRect hidden = d.flash->geometry();
        d.item("FlashInLeft");
        d.item("FlashInMiddle");
        QCOMPARE(d.flash->geometry(), hidden);

        d.item("GameJuezhan");
        QVERIFY(d.flash->isVisible());
        QCOMPARE(d.player->movie(), d.file("/set/flash/决战沙场.swf"));
        d.item("FlashHidden");
        QCOMPARE(d.player->movie(), d.file("/set/sample.swf"));
        QVERIFY(!d.flash->isVisible());
    }

    // Left, Right and Top also halve the other dimension; Bottom does not.
    void positionsHaveTheHalfSizeQuirks()
    {
        FlashDesktop d;
        d.open();
        d.item("GameMulan");
        const FullArea &a = d.desktop->fullArea();
        const float W = float(double(a.Width) / 2), H = float(double(a.Height) / 2);
        d.item("FlashInLeft");
        QCOMPARE(d.flash->geometry(), (TwipsRect{float(a.Left), float(a.Top), W, H}));
        d.item("FlashInRight");
        QCOMPARE(d.flash->geometry(), (TwipsRect{W, float(a.Top), W, H}));
        d.item("FlashFull");
        d.item("FlashInTop");
        QCOMPARE(d.flash->geometry(), (TwipsRect{float(a.Left), float(a.Top), W, H}));
        d.item("FlashFull");
        d.item("FlashInbuttom");
        QCOMPARE(d.flash->geometry(), (TwipsRect{float(a.Left), H, float(a.Width), H}));
        d.item("FlashInMiddle");
        QCOMPARE(d.flash->geometry(),
                 (TwipsRect{float(double(a.Width) / 4), float(double(a.Height) / 4), W, H}));
    }

    void importAndOtherGameUseTheirDialogs()
    {
        FlashDesktop d;
        d.open();
        const TwipsRect start = d.flash->geometry();
        d.fakes.fileDialog.answerCancel();
        d.item("Flashstar");
        QCOMPARE(d.fakes.fileDialog.requests.last().filter, QStringLiteral("Flash播放文件|*.swf"));
        QCOMPARE(d.fakes.fileDialog.requests.last().startFolder,
                 d.programFolder() + QStringLiteral("/备课本"));
        QVERIFY(d.player->movie().isEmpty());
        QVERIFY(!d.flash->isVisible());

        d.fakes.fileDialog.answer({QStringLiteral("/lessons/春晓.swf")});
        d.item("Flashstar");
        QCOMPARE(d.player->movie(), QStringLiteral("/lessons/春晓.swf"));
        QVERIFY(d.flash->isVisible());
        QCOMPARE(d.flash->geometry(), start);

        d.fakes.fileDialog.answer({QStringLiteral("/games/拼图.swf")});
        d.item("OtherGame");
        QCOMPARE(d.fakes.fileDialog.requests.last().filter, QStringLiteral("Flash小游戏|*.swf"));
        QVERIFY(d.fakes.fileDialog.requests.last().startFolder.isEmpty());
        QCOMPARE(d.player->movie(), QStringLiteral("/games/拼图.swf"));
        QCOMPARE(d.flash->geometry().width, float(d.desktop->fullArea().Width));
    }

    // The toolbar toggle steps through the lesson's movies; "停止" hides the pane.
    void toolbarTogglesThroughTheLessonsMovies()
    {
        FlashDesktop d;
        d.state.LessonFields[6] = QStringLiteral("a.swf 动画\\b.swf ");
        d.open();
        QStringList shown;
        for (int i = 0; i < 5; ++i) {
            d.button("flash");
            if (d.flash->isVisible()) {
                QCOMPARE(d.caption(), QStringLiteral("停止"));
                shown.append(d.player->movie());
            } else {
                QCOMPARE(d.caption(), QStringLiteral("播放"));
                QCOMPARE(d.player->movie(), d.file("/set/sample.swf"));
            }
        }
        QCOMPARE(shown, QStringList({d.file("/备课本/a.swf"), d.file("/备课本/动画/b.swf"),
                                     d.file("/备课本/a.swf")}));
        QVERIFY(d.player->commands.contains(QStringLiteral("menu:off")));
        QVERIFY(d.player->commands.contains(QStringLiteral("play")));
    }

    void toolbarWithoutLessonMoviesImportsAndStillStops()
    {
        FlashDesktop d;
        d.open();
        d.fakes.fileDialog.answer({QStringLiteral("/lessons/a.swf")});
        d.button("flash");
        QCOMPARE(d.fakes.fileDialog.requests.size(), 1);
        QCOMPARE(d.caption(), QStringLiteral("播放"));
        d.desktop->toolbar()->button(QStringLiteral("flash"))->setText(QStringLiteral("停止"));
        d.button("flash");
        QCOMPARE(d.caption(), QStringLiteral("播放"));
        QVERIFY(!d.flash->isVisible());
        QCOMPARE(d.fakes.fileDialog.requests.size(), 1);
    }

    // A click into the movie makes Flash the current pane kind, and the menu
    // bar's "隐藏" then hides it through the placeholder.
    void focusRecordsTheFlashPane()
    {
        FlashDesktop d;
        d.open();
        d.item("GameWar");
        QWidget *control = d.player->widget();
        QTest::mouseClick(control, Qt::LeftButton);
        control->setFocus(Qt::MouseFocusReason);
        QCOMPARE(d.current(), QStringLiteral("Flash"));
        d.item("AllHidden");
        QVERIFY(!d.flash->isVisible());
        QCOMPARE(d.player->movie(), d.file("/set/sample.swf"));
    }

    // Opening the desktop and hiding the pane start no web engine.
    void desktopStartUpLeavesTheEngineAsleep()
    {
        FlashDesktop d;
        WebEngine engine(QStringLiteral(VELTANO_APP_DIR "/web"));
        RuffleFlashPlayerFactory real(engine);
        d.context.platform.flashPlayers = &real;
        d.show();
        d.item("GameHide");
        d.item("FlashFull");
        QVERIFY(!engine.started());
    }
};

QTEST_MAIN(FlashPaneTest)
#include "tst_flashpane.moc"
