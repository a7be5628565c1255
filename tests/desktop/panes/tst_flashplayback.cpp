// The Flash pane on the real emulator, on a private X display.

#include "desktop/panes/flashpane.h"
#include "desktop/panes/pictureelement.h"
#include "desktop/panes/picturepane.h"
#include "games/gamemovie.h"
#include "lesson/lessonfields.h"
#include "panedesktop.h"
#include "platform/web/engineview.h"
#include "platform/web/flashhostpages.h"
#include "platform/web/ruffleflashplayer.h"
#include "platform/web/swfprobe.h"
#include "platform/web/webengine.h"
#include "swf/swfactions.h"
#include "swf/swfgamekit.h"
#include "swf/swfwriter.h"

#include <algorithm>
#include <csignal>
#include <QDir>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWebEngineView>

namespace {

const QColor kStage(0x20, 0x40, 0xc0);
const QColor kBox(0xf0, 0xc0, 0x10);

// A one-frame movie of 200 x 150 pixels: a stage colour and a box in its middle.
QByteArray boxMovie(const QColor &stage, const QColor &box)
{
    SwfWriter swf(4000, 3000, 12);
    swf.fileAttributes();
    swf.setBackgroundColor(stage);
    swf.defineShape(1, SwfShape::rectangle(2000, 1500, box));
    swf.placeObject(1, 1, SwfMatrix::translation(2000, 1500));
    swf.showFrame();
    return swf.finish();
}

// A 200 x 150 movie showing a box of 60 x 60 pixels centred at `at` (pixels),
// and at its start loading each of `loads` into a level above it.
QByteArray loaderMovie(const QColor &stage, const QPoint &at, const QColor &box,
                       const QStringList &loads = {})
{
    SwfWriter swf(4000, 3000, 12);
    swf.fileAttributes();
    swf.setBackgroundColor(stage);
    swf.defineShape(1, SwfShape::rectangle(1200, 1200, box));
    swf.placeObject(1, 1, SwfMatrix::translation(at.x() * 20, at.y() * 20));
    SwfActions actions;
    for (int level = 0; level < loads.size(); ++level)
        actions.getUrl(loads.at(level), QStringLiteral("_level%1").arg(level + 1));
    swf.doAction(actions);
    swf.showFrame();
    return swf.finish();
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

bool waitForStatus(FlashPlayer *player, FlashPlayer::Status status)
{
    return QTest::qWaitFor([&] { return player->status() == status; }, 30000);
}

// What the screen shows in a rectangle of the screen.
QImage screenAt(const QRect &place)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, place.x(), place.y(), place.width(), place.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

bool drawn(const QImage &image)
{
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qGray(image.pixel(x, y)) > 40)
                return true;
    return false;
}

int changedPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += !near(a.pixelColor(x, y), b.pixelColor(x, y));
    return count;
}

struct PlaybackDesktop : PaneDesktop {
    WebEngine engine{QStringLiteral(VELTANO_APP_DIR "/web")};
    RuffleFlashPlayerFactory players{engine};
    PlaybackDesktop() { context.platform.flashPlayers = &players; }
    RuffleFlashPlayer *player() const
    {
        return qobject_cast<RuffleFlashPlayer *>(pane<FlashPane>(PaneKind::Flash)->ShockwaveFlash1());
    }
};

} // namespace

// One desktop for all cases, as in class: its movies share one running view.
class FlashPlaybackTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<PlaybackDesktop> m_desktop;

private slots:
    void initTestCase()
    {
        m_desktop = std::make_unique<PlaybackDesktop>();
        // Two pictures for the presenter's keys to page through.
        for (const auto &[name, colour] : {std::pair{"a.png", Qt::red}, std::pair{"b.png", Qt::blue}}) {
            QImage image(200, 150, QImage::Format_RGB32);
            image.fill(colour);
            image.save(m_desktop->write(QStringLiteral("pics/") + QLatin1String(name)));
        }
        m_desktop->state.LessonFields[slot::PictureFiles] = QStringLiteral("pics\\a.png pics\\b.png ");
        m_desktop->show();
    }

    void cleanupTestCase() { m_desktop.reset(); }

    void probeTellsWhyAMovieCannotPlay()
    {
        TestContext t;
        const QByteArray movie = boxMovie(kStage, kBox);
        QByteArray compressed = "CWS" + movie.mid(3, 5) + qCompress(movie.mid(8)).mid(4);
        using swfprobe::Verdict;
        QCOMPARE(swfprobe::check(t.write("a.swf", movie)), Verdict::Playable);
        QCOMPARE(swfprobe::check(t.write("c.swf", compressed)), Verdict::Playable);
        QCOMPARE(swfprobe::check(t.write("short.swf", movie.left(movie.size() - 5))), Verdict::Truncated);
        QCOMPARE(swfprobe::check(t.write("cshort.swf", compressed.left(compressed.size() - 5))),
                 Verdict::Truncated);
        QCOMPARE(swfprobe::check(t.write("text.swf", "<html>not a movie</html>")), Verdict::NotFlash);
        QCOMPARE(swfprobe::check(t.write("tiny.swf", "FWS")), Verdict::NotFlash);
        QCOMPARE(swfprobe::check(t.programFolder() + "/none.swf"), Verdict::Missing);
    }

    // The movie chosen with "Flash导入" shows its colours at the pane's place on
    // the screen; the next movie plays in the same view.
    void importedMoviePlaysInThePane()
    {
        PlaybackDesktop &d = *m_desktop;
        const QString first = d.write("备课本/第一课.swf", boxMovie(kStage, kBox));
        const QString second = d.write("备课本/第二课.swf", boxMovie(kBox, kStage));
        QVERIFY(!d.engine.started());
        d.fakes.fileDialog.answer({first});
        d.item("Flashstar");
        RuffleFlashPlayer *player = d.player();
        QVERIFY(waitForStatus(player, FlashPlayer::Status::Playing));

        // The screen at the pane's place: the box in the middle, the stage round it.
        QWidget *control = player->widget();
        const QRect place(control->mapToGlobal(QPoint(0, 0)), control->size());
        QScreen *screen = QGuiApplication::primaryScreen();
        const auto shows = [&](const QColor &colour) {
            const QImage shot =
                screen->grabWindow(0, place.x(), place.y(), place.width(), place.height()).toImage();
            int count = 0;
            for (int y = 0; y < shot.height(); y += 4)
                for (int x = 0; x < shot.width(); x += 4)
                    count += near(shot.pixelColor(x, y), colour);
            return count > 50;
        };
        const QPoint centre = place.center();
        const auto pixel = [screen](const QPoint &at) {
            return screen->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixelColor(0, 0);
        };
        QVERIFY(QTest::qWaitFor([&] { return near(pixel(centre), kBox) && shows(kStage); }, 15000));

        QWebEngineView *view = player->view()->view();
        d.fakes.fileDialog.answer({second});
        d.item("Flashstar");
        QVERIFY(waitForStatus(player, FlashPlayer::Status::Playing));
        QCOMPARE(player->view()->view(), view);
        QVERIFY(QTest::qWaitFor([&] { return near(pixel(centre), kStage); }, 15000));
    }

    // A movie loads the movies beside and below it by relative names, also
    // names written in another letter case; one outside its folder stays out.
    void movieLoadsFilesOfItsOwnFolder()
    {
        PlaybackDesktop &d = *m_desktop;
        const QColor green(0x20, 0xc0, 0x40);
        const QColor red(0xe0, 0x20, 0x20);
        const QString main =
            d.write("备课本/游戏/main.swf",
                    loaderMovie(kStage, {0, 0}, kStage, {"assets/UI.swf", "side.swf", "../outside.swf"}));
        d.write("备课本/游戏/assets/ui.swf", loaderMovie(kStage, {40, 75}, kBox));
        d.write("备课本/游戏/side.swf", loaderMovie(kStage, {100, 75}, green));
        d.write("备课本/outside.swf", loaderMovie(kStage, {160, 75}, red));
        d.fakes.fileDialog.answer({main});
        d.item("Flashstar");
        RuffleFlashPlayer *player = d.player();
        QVERIFY(waitForStatus(player, FlashPlayer::Status::Playing));

        // The stage is shown whole and centred.
        QWidget *control = player->widget();
        const double scale = std::min(control->width() / 200.0, control->height() / 150.0);
        const QPointF margin((control->width() - 200 * scale) / 2, (control->height() - 150 * scale) / 2);
        const auto colourAt = [&](const QPoint &stage) {
            return screenAt(
                       QRect(control->mapToGlobal((margin + QPointF(stage) * scale).toPoint()), QSize(1, 1)))
                .pixelColor(0, 0);
        };
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         return near(colourAt({40, 75}), kBox) && near(colourAt({100, 75}), green);
                     },
                     15000),
                 qPrintable(colourAt({40, 75}).name() + " " + colourAt({100, 75}).name()));
        QTest::qWait(500);
        QVERIFY(near(colourAt({160, 75}), kStage));
    }

    // Broken movies leave a notice naming the file, the movie before them gone
    // (its sounds with it); a good one plays again after.
    void brokenMoviesShowANotice()
    {
        PlaybackDesktop &d = *m_desktop;
        const QByteArray movie = boxMovie(kStage, kBox);
        const QString cut = d.write("备课本/cut.swf", movie.left(movie.size() / 2));
        const QString text = d.write("备课本/text.swf", "not a movie at all");
        const QString good = d.write("备课本/good.swf", movie);
        const auto players = [&d] {
            int count = -1;
            d.player()->view()->view()->page()->runJavaScript(
                QStringLiteral("document.querySelectorAll('ruffle-player').length"),
                [&count](const QVariant &value) { count = value.toInt(); });
            return QTest::qWaitFor([&count] { return count >= 0; }, 10000) ? count : -1;
        };
        for (const QString &file : {cut, text, d.programFolder() + "/备课本/missing.swf"}) {
            d.fakes.fileDialog.answer({good});
            d.item("Flashstar");
            QVERIFY(waitForStatus(d.player(), FlashPlayer::Status::Playing));
            QCOMPARE(players(), 1);
            d.fakes.fileDialog.answer({file});
            d.item("Flashstar");
            RuffleFlashPlayer *player = d.player();
            QVERIFY(waitForStatus(player, FlashPlayer::Status::Failed));
            QVERIFY(player->view()->noticeShown());
            QVERIFY2(player->view()->noticeText().contains(file), qPrintable(player->view()->noticeText()));
            QVERIFY(d.desktop->isVisible());
            QCOMPARE(players(), 0);
        }
        d.fakes.fileDialog.answer({good});
        d.item("Flashstar");
        QVERIFY(waitForStatus(d.player(), FlashPlayer::Status::Playing));
        QVERIFY(!d.player()->view()->noticeShown());
    }

    // A movie that shows nothing but its stage, or that the emulator gives
    // up on, leaves a notice instead of an empty pane; one that draws plays on.
    void moviesShowingNothingGetANotice()
    {
        TestContext t;
        WebEngine engine(QStringLiteral(VELTANO_APP_DIR "/web"));
        QWidget window;
        window.resize(400, 200);
        RuffleFlashPlayer player(engine, &window, 2000);
        player.widget()->resize(400, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SwfWriter blank(4000, 3000, 12);
        blank.fileAttributes();
        blank.setBackgroundColor(Qt::white);
        blank.showFrame();
        const QString blankMovie = t.write("备课本/blank.swf", blank.finish());
        player.setMovie(blankMovie);
        QVERIFY(waitForStatus(&player, FlashPlayer::Status::Playing));
        QVERIFY(waitForStatus(&player, FlashPlayer::Status::Failed));
        QVERIFY2(player.view()->noticeText().contains(blankMovie) &&
                     player.view()->noticeText().contains(QStringLiteral("没有画出任何内容")),
                 qPrintable(player.view()->noticeText()));

        player.setMovie(t.write("备课本/box.swf", boxMovie(Qt::white, kBox)));
        QVERIFY(waitForStatus(&player, FlashPlayer::Status::Playing));
        QTest::qWait(4000);
        QCOMPARE(player.status(), FlashPlayer::Status::Playing);
        QVERIFY(!player.view()->noticeShown());

        // An LZMA-compressed movie whose body does not inflate.
        const QByteArray broken = QByteArray("ZWS\x0d\x00\x01\x00\x00\x40\x00\x00\x00", 12) +
                                  QByteArray("\x5d\x00\x00\x10\x00", 5) + QByteArray(64, '\xff');
        player.setMovie(t.write("备课本/broken.swf", broken));
        QVERIFY(waitForStatus(&player, FlashPlayer::Status::Failed));
        QVERIFY2(player.view()->noticeText().contains(QStringLiteral("出错")),
                 qPrintable(player.view()->noticeText()));
    }

    // Without the emulator's files in the program folder a movie is named in a notice
    // (the engine not started for it); once the files are back the next movie plays.
    void emulatorMissingThenBack()
    {
        TestContext t;
        const QString web = t.programFolder() + QStringLiteral("/web");
        QVERIFY(QDir().mkpath(web));
        const QString real = QStringLiteral(VELTANO_APP_DIR "/web");
        QVERIFY(
            QFile::link(real + QStringLiteral("/flashhost.html"), web + QStringLiteral("/flashhost.html")));
        WebEngine engine(web);
        QWidget window;
        window.resize(400, 300);
        RuffleFlashPlayer player(engine, &window);
        player.widget()->resize(400, 300);
        window.show();
        const QString movie = t.write("备课本/a.swf", boxMovie(kStage, kBox));
        player.setMovie(movie);
        QCOMPARE(player.status(), FlashPlayer::Status::Failed);
        QVERIFY(player.view()->noticeText().contains(movie));
        QVERIFY(player.view()->noticeText().contains(QStringLiteral("找不到 Flash 播放组件")));
        QVERIFY(!player.view()->hasView());

        QVERIFY(QFile::link(real + QStringLiteral("/ruffle"), web + QStringLiteral("/ruffle")));
        player.setMovie(movie);
        QVERIFY(waitForStatus(&player, FlashPlayer::Status::Playing));
        QVERIFY(!player.view()->noticeShown());
    }

    // A lesson's first movie may come while the page loaded ahead still starts
    // the emulator: it plays in that page once the emulator is ready. A page
    // no movie takes goes after its time.
    void pageLoadedAhead()
    {
        TestContext t;
        WebEngine engine(QStringLiteral(VELTANO_APP_DIR "/web"));
        const QString movie = t.write("备课本/a.swf", boxMovie(kStage, kBox));
        engine.flashHostPages().prepare();
        QWebEnginePage *ahead = engine.flashHostPages().ahead();
        QVERIFY(ahead);
        {
            QWidget window;
            window.resize(400, 300);
            RuffleFlashPlayer player(engine, &window);
            player.widget()->resize(400, 300);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            player.setMovie(movie);
            QCOMPARE(player.view()->view()->page(), ahead);
            QVERIFY(!engine.flashHostPages().ahead());
            QVERIFY(waitForStatus(&player, FlashPlayer::Status::Playing));
            QTRY_VERIFY_WITH_TIMEOUT(
                drawn(screenAt(QRect(player.widget()->mapToGlobal(QPoint()), QSize(400, 300)))), 10000);
            // The movie answers the mouse as in a page of its own.
            QSignalSpy pressed(&player, &FlashPlayer::pressed);
            QWidget *input = player.view()->view()->focusProxy();
            QVERIFY(input);
            QTest::mouseClick(input, Qt::LeftButton, {}, input->rect().center());
            QCOMPARE(pressed.size(), 1);
            // Taken, it is never loaded ahead again.
            engine.flashHostPages().prepare();
            QVERIFY(!engine.flashHostPages().ahead());
        }
        FlashHostPages pages(engine, nullptr, 1000);
        pages.prepare();
        const QPointer<QWebEnginePage> unused = pages.ahead();
        QVERIFY(unused);
        QTRY_VERIFY_WITH_TIMEOUT(unused.isNull(), 10000);
    }

    // Any name a teacher gives a movie plays, first in a session as later.
    void moviesPlayWhateverTheirNames()
    {
        TestContext t;
        WebEngine engine(QStringLiteral(VELTANO_APP_DIR "/web"));
        const QStringList names{"1+1.swf", "a#1.swf", "50% 第1课 & more?.swf"};
        for (const QString &name : names)
            t.write("备课本/" + name, boxMovie(kStage, kBox));
        for (const QString &first : names) {
            QWidget window;
            window.resize(400, 300);
            RuffleFlashPlayer player(engine, &window);
            player.widget()->resize(400, 300);
            window.show();
            QStringList order = names;
            order.move(order.indexOf(first), 0);
            for (const QString &name : order) {
                player.setMovie(t.programFolder() + "/备课本/" + name);
                QVERIFY2(waitForStatus(&player, FlashPlayer::Status::Playing),
                         qPrintable(first + " " + name + " " + player.view()->noticeText()));
            }
        }
    }

    // Each game of the game menu fills the work area and answers a click on its
    // first target (its score, count or signal changes on the screen), and its
    // restart button puts it back as it began.
    void gamesAnswerAClick()
    {
        PlaybackDesktop &d = *m_desktop;
        const char *const items[] = {"GameWar", "GameMulan", "GameJiandie", "GameJuezhan"};
        const QVector<GameMovie> games = gameMovies();
        QCOMPARE(games.size(), 4);
        for (int i = 0; i < games.size(); ++i) {
            const GameMovie &game = games.at(i);
            d.write("set/" + game.fileName, game.swf);
            d.item(items[i]);
            RuffleFlashPlayer *player = d.player();
            QVERIFY2(waitForStatus(player, FlashPlayer::Status::Playing), items[i]);

            // The stage is shown whole and centred ("showAll").
            QWidget *control = player->widget();
            const double scale = std::min(control->width() / 550.0, control->height() / 400.0);
            const QPointF margin((control->width() - 550 * scale) / 2, (control->height() - 400 * scale) / 2);
            const auto onScreen = [&](const QPoint &stage) {
                return control->mapToGlobal((margin + QPointF(stage) * scale).toPoint());
            };
            const QRect feedback(onScreen(game.feedback.topLeft()), onScreen(game.feedback.bottomRight()));

            // Wait for the game's first picture to settle.
            QImage before;
            QVERIFY2(QTest::qWaitFor(
                         [&] {
                             const QImage now = screenAt(feedback);
                             const bool settled = drawn(now) && now == before;
                             before = now;
                             return settled;
                         },
                         20000),
                     items[i]);

            QWidget *input = player->view()->view()->focusProxy();
            const auto click = [&](const QPoint &stage) {
                const QPoint target = input->mapFromGlobal(onScreen(stage));
                QTest::mouseMove(input, target);
                QTest::qWait(100);
                QTest::mousePress(input, Qt::LeftButton, {}, target);
                QTest::qWait(50);
                QTest::mouseRelease(input, Qt::LeftButton, {}, target);
            };
            click(game.firstTarget);
            QVERIFY2(QTest::qWaitFor([&] { return changedPixels(before, screenAt(feedback)) > 20; }, 10000),
                     items[i]);
            // "重新开始" brings back the first picture.
            click(SwfGameKit::RestartAt);
            QVERIFY2(QTest::qWaitFor([&] { return changedPixels(before, screenAt(feedback)) < 5; }, 10000),
                     items[i]);
            QVERIFY(control->isVisible());
        }
    }

    // Every press on the movie makes "Flash" the current pane: with the desktop
    // given no keyboard (no window manager does), and after a picture was
    // clicked while the movie's page kept the focus.
    void pressOnTheMovieMakesFlashCurrent()
    {
        PlaybackDesktop &d = *m_desktop;
        QImage image(200, 150, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        const QString picture = d.write("备课本/a.png");
        QVERIFY(image.save(picture));
        d.fakes.fileDialog.answer({picture});
        d.item("PictureStar");
        d.item("PictureRight");
        d.fakes.fileDialog.answer({d.write("备课本/press.swf", boxMovie(kStage, kBox))});
        d.item("Flashstar");
        d.item("FlashInLeft");
        RuffleFlashPlayer *player = d.player();
        QVERIFY(waitForStatus(player, FlashPlayer::Status::Playing));
        QWidget *input = player->view()->view()->focusProxy();
        QWidget *shown = d.pane<Pane>(PaneKind::Picture)->control();
        const auto press = [](QWidget *widget) {
            const QPoint centre = widget->rect().center();
            QTest::mouseMove(widget, centre);
            QTest::mousePress(widget, Qt::LeftButton, {}, centre);
            QTest::qWait(50);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, centre);
            QTest::qWait(100);
        };

        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        press(shown);
        QCOMPARE(d.current(), QStringLiteral("Image"));
        press(input);
        QCOMPARE(d.current(), QStringLiteral("Flash"));
        elsewhere.close();

        d.desktop->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.desktop));
        for (int round = 0; round < 2; ++round) {
            press(input);
            QCOMPARE(d.current(), QStringLiteral("Flash"));
            press(shown);
            QCOMPARE(d.current(), QStringLiteral("Image"));
        }
    }

    // A display process killed in class leaves a notice; reloading plays on.
    void killedDisplayProcessOffersAReload()
    {
        PlaybackDesktop &d = *m_desktop;
        const QString movie = d.write("备课本/a.swf", boxMovie(kStage, kBox));
        d.fakes.fileDialog.answer({movie});
        d.item("Flashstar");
        RuffleFlashPlayer *player = d.player();
        QVERIFY(waitForStatus(player, FlashPlayer::Status::Playing));
        const qint64 pid = player->view()->view()->page()->renderProcessPid();
        QVERIFY(pid > 0);
        ::kill(pid_t(pid), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(player->view()->noticeShown(), 15000);
        auto *reload = player->view()->findChild<QPushButton *>(QStringLiteral("reload"));
        QVERIFY(reload && reload->isVisible());
        QSignalSpy statuses(player, &FlashPlayer::statusChanged);
        QTest::mouseClick(reload, Qt::LeftButton);
        QVERIFY2(QTest::qWaitFor(
                     [&] { return player->status() == FlashPlayer::Status::Playing && statuses.size() >= 2; },
                     30000),
                 qPrintable(QString::number(statuses.size()) + " " + QString::number(int(player->status())) +
                            player->view()->view()->title()));
        QVERIFY(!player->view()->noticeShown());
    }

    // Paused (as ink pauses it) a movie stands still; played, it goes on.
    void pausedMovieStandsStill()
    {
        PlaybackDesktop &d = *m_desktop;
        SwfWriter swf(4000, 3000, 24);
        swf.fileAttributes();
        swf.setBackgroundColor(kStage);
        swf.defineShape(1, SwfShape::rectangle(800, 800, kBox));
        swf.placeObject(1, 1, SwfMatrix::translation(0, 1000));
        swf.showFrame();
        for (int i = 1; i < 24; ++i) {
            swf.moveObject(1, SwfMatrix::translation(i * 130, 1000));
            swf.showFrame();
        }
        d.fakes.fileDialog.answer({d.write("备课本/moving.swf", swf.finish())});
        d.item("Flashstar");
        RuffleFlashPlayer *player = d.player();
        QVERIFY(waitForStatus(player, FlashPlayer::Status::Playing));
        QWidget *control = player->widget();
        const QRect place(control->mapToGlobal(QPoint(0, 0)), control->size());
        const auto moving = [&place] {
            const QImage before = screenAt(place);
            QTest::qWait(400);
            return changedPixels(before, screenAt(place)) > 50;
        };
        QVERIFY(QTest::qWaitFor(moving, 15000));
        player->pause();
        QTest::qWait(400);
        QVERIFY(!moving());
        player->play();
        QVERIFY(QTest::qWaitFor(moving, 15000));
    }

    // A presenter's PageDown and PageUp page the pictures also after a click
    // into the movie, whose view takes every key it is given; typed into the
    // input box, they stay the box's.
    void presenterKeysPageAfterAClickIntoTheMovie()
    {
        PlaybackDesktop &d = *m_desktop;
        d.button("Picture");
        auto *pictures = d.pane<PicturePane>(PaneKind::Picture);
        QVERIFY(pictures->isVisible());
        const auto firstPicture = [pictures] {
            const QImage shown = pictures->Image1(0)->grab().toImage();
            return shown.pixelColor(shown.rect().center());
        };
        // Earlier tests leave the list anywhere: paging shows another picture and back.
        const QColor first = firstPicture();
        d.fakes.fileDialog.answer({d.write("备课本/keys.swf", boxMovie(kStage, kBox))});
        d.item("Flashstar");
        RuffleFlashPlayer *player = d.player();
        QVERIFY(waitForStatus(player, FlashPlayer::Status::Playing));

        // Left of the picture, whatever place the movie has.
        QWidget *input = player->view()->view()->focusProxy();
        const QPoint at(input->width() / 4, input->height() * 3 / 4);
        QTest::mouseMove(input, at);
        QTest::mousePress(input, Qt::LeftButton, {}, at);
        QTest::mouseRelease(input, Qt::LeftButton, {}, at);
        QTRY_COMPARE(QApplication::focusWidget(), input);
        QCOMPARE(d.current(), QStringLiteral("Flash"));
        QTest::keyClick(input, Qt::Key_PageDown);
        QVERIFY(firstPicture() != first);
        QTest::keyClick(input, Qt::Key_PageUp);
        QCOMPARE(firstPicture(), first);

        QPlainTextEdit *text1 = d.desktop->inputBox();
        QTest::mouseClick(text1->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), text1);
        QTest::keyClick(text1, Qt::Key_PageDown);
        QCOMPARE(firstPicture(), first);
        pictures->setVisible(false);
    }
};

// The web engine shares its drawing contexts, as in the program.
int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    FlashPlaybackTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_flashplayback.moc"
