#include "desktop/panes/videopane.h"
#include "panedesktop.h"

#include <QMenu>

namespace {

struct VideoDesktop : PaneDesktop {
    VideoPane *video = nullptr;
    FakeMediaPlayer *player = nullptr;

    void open()
    {
        show();
        video = pane<VideoPane>(PaneKind::Video);
        player = fakes.mediaPlayers.created.last();
    }

    QString caption() const { return desktop->menus().item(QStringLiteral("Videohidden"))->text(); }
    QString file(const char *name) const
    {
        return programFolder() + QLatin1Char('/') + QString::fromUtf8(name);
    }
};

} // namespace

class VideoPaneTest : public QObject
{
    Q_OBJECT
private slots:
    void openingAFileShowsThePlayer()
    {
        VideoDesktop d;
        d.open();
        QCOMPARE(d.player->widget()->objectName(), QStringLiteral("WindowsMediaPlayer1"));
        d.fakes.fileDialog.answerCancel();
        d.item("VideoOpen");
        QCOMPARE(
            d.fakes.fileDialog.requests.first().filter,
            QStringLiteral("MP3文件|*.mp3;*.M3u|Midi文件|*.mid;*.midi;*.rmi|Windows视音频文件|*.avi;*.wav|"
                           "电影文件|*.mpg;*.mpeg;*.mpa;*.mpv2;*.mp2v;*.mpe;*.mp2;*.dat|"
                           "Windows Media音视频文件|*.wma;*.wax;*.wmv;*.wvx|"
                           "常用格式|*.mp4;*.m4a;*.mov;*.webm;*.mkv;*.ogg;*.opus;*.flac;*.aac|所有文件|*.*"));
        QVERIFY(d.player->commands.isEmpty());
        QVERIFY(!d.video->isVisible());

        d.player->setWindowlessVideo(true);
        d.fakes.fileDialog.answer({QStringLiteral("/media/课文.mp3")});
        d.item("VideoStar");
        QCOMPARE(d.player->URL(), QStringLiteral("/media/课文.mp3"));
        QCOMPARE(d.player->state(), MediaPlayer::State::Playing);
        QVERIFY(!d.player->windowlessVideo());
        QVERIFY(d.video->isVisible() && d.player->widget()->isVisible());
        // Half the work area; the place start-up gave it stays.
        QCOMPARE(d.video->geometry(), (TwipsRect{0, 5332.5f, 7372.5f, 5332.5f}));
        QCOMPARE(d.caption(), QStringLiteral("隐藏"));
    }

    void hideToggleRestoresThePlayer()
    {
        VideoDesktop d;
        d.open();
        d.fakes.fileDialog.answer({QStringLiteral("/media/a.avi")});
        d.item("VideoOpen");
        d.item("VideoInleft");
        d.item("Videohidden");
        QCOMPARE(d.player->commands.last(), QStringLiteral("stop"));
        QVERIFY(!d.video->isVisible());
        QCOMPARE(d.video->geometry().height, 20.0f);
        QCOMPARE(d.caption(), QStringLiteral("可视"));
        QCOMPARE(d.video->hideToggle().SavedVideoHeight(), 5332);

        d.item("Videohidden");
        QVERIFY(d.video->isVisible());
        QCOMPARE(d.video->geometry(), (TwipsRect{0, 5332.5f, 7372.5f, 5332}));
        QCOMPARE(d.caption(), QStringLiteral("隐藏"));

        // Opening a file after hiding shows the player and resets the caption.
        d.item("Videohidden");
        d.fakes.fileDialog.answer({QStringLiteral("/media/b.avi")});
        d.item("VideoOpen");
        QVERIFY(d.video->isVisible());
        QCOMPARE(d.caption(), QStringLiteral("隐藏"));
    }

    // The player tells its failures in its own place; the desktop adds no message.
    void playerFailuresAddNoMessage()
    {
        VideoDesktop d;
        d.state.LessonFields[7] = QStringLiteral("坏.mp3 c.wav ");
        d.open();
        d.button("video");
        emit d.player->error(QStringLiteral("文件是空的"));
        d.item("VideoNext");
        emit d.player->error(QStringLiteral("找不到文件"));
        QVERIFY(d.fakes.messageBox.shown.isEmpty());
        QVERIFY(d.video->isVisible());
    }

    void nextAndPreviousWrapRound()
    {
        VideoDesktop d;
        d.state.LessonFields[7] = QStringLiteral("a.mp3 视频\\b.avi c.wav ");
        d.open();
        d.item("VideoNext"); // hidden player: nothing
        QVERIFY(d.player->commands.isEmpty());

        d.button("video");
        QCOMPARE(d.player->URL(), d.file("a.mp3"));
        QVERIFY(d.video->isVisible());
        QStringList played;
        for (int i = 0; i < 3; ++i) {
            d.item("VideoNext");
            QCOMPARE(d.player->commands.last(), QStringLiteral("play"));
            played.append(d.player->URL());
        }
        QCOMPARE(played, QStringList({d.file("视频/b.avi"), d.file("c.wav"), d.file("a.mp3")}));
        d.item("VideoPrevious");
        QCOMPARE(d.player->URL(), d.file("c.wav"));
        d.item("VideoPrevious");
        QCOMPARE(d.player->URL(), d.file("视频/b.avi"));
        // The toolbar always starts from the first element.
        d.button("video");
        QCOMPARE(d.player->URL(), d.file("a.mp3"));
        // ... while the list keeps its own position.
        d.item("VideoNext");
        QCOMPARE(d.player->URL(), d.file("c.wav"));
    }

    // A lesson written on Windows names its media by that machine's paths.
    void windowsNamesPlayTheCopiesBelowTheProgram()
    {
        VideoDesktop d;
        d.write(QStringLiteral("备课本/视频/b.avi"));
        d.write(QStringLiteral("set/music/c.mp3"));
        d.state.LessonFields[3] = QStringLiteral("D:\\Veltano\\备课本\\课.doc");
        d.state.LessonFields[7] =
            QStringLiteral("D:\\Veltano\\备课本\\视频\\b.avi E:\\旧\\set\\music\\c.mp3 ");
        d.open();
        d.button("video");
        QCOMPARE(d.player->URL(), d.file("备课本/视频/b.avi"));
        d.item("VideoNext");
        QCOMPARE(d.player->URL(), d.file("set/music/c.mp3"));
    }

    void aListOfOneAlwaysPlaysIt()
    {
        VideoDesktop d;
        d.state.LessonFields[7] = QStringLiteral("a.mp3");
        d.open();
        d.button("video");
        for (const char *item : {"VideoNext", "VideoPrevious"}) {
            d.player->commands.clear();
            d.item(item);
            QCOMPARE(d.player->commands, QStringList({"url:" + d.file("a.mp3"), "play"}));
        }
    }

    void playbackCommands()
    {
        VideoDesktop d;
        d.open();
        d.player->commands.clear();
        d.item("VideoPlay");
        d.item("VideoPause");
        d.item("VideoStop");
        QCOMPARE(d.player->commands, QStringList({"play", "pause", "stop"}));
        QVERIFY(!d.desktop->menus().item(QStringLiteral("MediaFull"))->isVisible());
        d.item("MediaFull");
        QVERIFY(d.player->fullScreen());
    }

    void leftButtonPopsUpTheVideoMenuAndFocusRecordsThePane()
    {
        VideoDesktop d;
        d.open();
        QMenu *menu = d.desktop->menus().menu(QStringLiteral("Video"));
        emit d.player->mouseDown(2);
        QVERIFY(!menu->isVisible());
        // Any press records the pane, as the focus it gives would.
        QCOMPARE(d.current(), QStringLiteral("Video"));
        emit d.player->mouseDown(1);
        QVERIFY(menu->isVisible());
        menu->close();

        d.desktop->setCurrentPaneKind(PaneKind::Text);
        emit d.player->focusIn();
        QCOMPARE(d.current(), QStringLiteral("Video"));
        d.fakes.fileDialog.answer({QStringLiteral("/media/a.avi")});
        d.item("VideoOpen");
        d.item("AllRight");
        QCOMPARE(d.video->geometry().left, 7372.5f);
        d.item("AllFull"); // nothing for the video pane
        QCOMPARE(d.video->geometry().left, 7372.5f);
        d.item("AllHidden");
        QCOMPARE(d.caption(), QStringLiteral("可视"));
    }
};

QTEST_MAIN(VideoPaneTest)
#include "tst_videopane.moc"
