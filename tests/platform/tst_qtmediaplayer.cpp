// The real media player, end to end on an X server: files really play (into
// GStreamer's fake sink when there is no sound card).

#include "platform/media/qtmediaplayer.h"
#include "platform/media/videosurface.h"

#include <QApplication>
#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <QWidget>

namespace {

// Generous: the watchdog only guards against a hang, it does not time anything.
constexpr int kWatchdogMs = 15000;

void appendLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

// Three seconds of a 440 Hz tone, 8 kHz mono 8-bit.
QByteArray toneWav()
{
    const int rate = 8000;
    QByteArray samples;
    for (int i = 0; i < 3 * rate; ++i)
        samples.append(char(128 + ((i * 440 * 2 / rate) % 2 ? 40 : -40)));
    QByteArray wav("RIFF");
    appendLe(wav, 36 + samples.size(), 4);
    wav.append("WAVEfmt ");
    appendLe(wav, 16, 4);
    appendLe(wav, 1, 2); // PCM
    appendLe(wav, 1, 2); // mono
    appendLe(wav, rate, 4);
    appendLe(wav, rate, 4);
    appendLe(wav, 1, 2);
    appendLe(wav, 8, 2);
    wav.append("data");
    appendLe(wav, samples.size(), 4);
    return wav + samples;
}

// A player of 320 by 240 pixels in a shown window.
struct ShownPlayer {
    ShownPlayer() : player(&window)
    {
        window.resize(640, 480);
        player.widget()->setGeometry(0, 0, 320, 240);
        window.show();
    }
    QWidget window;
    QtMediaPlayer player;
};

} // namespace

class QtMediaPlayerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsWithoutBeingShown_data();
    void playsWithoutBeingShown();
    void playsInAShownWindowWithControls();
    void missingOrBrokenFileStaysSilent_data();
    void missingOrBrokenFileStaysSilent();
    void reportsPressesAndFocus();
    void fullScreenIsLeftByEscapeOrDoubleClick();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_dir;
};

void QtMediaPlayerTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    writeFile(QStringLiteral("tone.wav"), toneWav());
}

QString QtMediaPlayerTest::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

void QtMediaPlayerTest::playsWithoutBeingShown_data()
{
    QTest::addColumn<QString>("path");
    // The program's own default music, as the build puts it into set/music.
    QTest::newRow("midi") << QStringLiteral(VELTANO_APP_DIR "/set/music/tn.mid");
    QTest::newRow("mp3") << QStringLiteral(VELTANO_APP_DIR "/set/music/gaoshanls.mp3");
}

// Background music: the player is never shown, yet it plays. Its pipeline
// exists only while a medium is loaded, and comes back for the next one.
void QtMediaPlayerTest::playsWithoutBeingShown()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QtMediaPlayer player(nullptr);
    const auto pipelines = [&player] { return player.findChildren<QMediaPlayer *>().size(); };
    player.setVolume(30);
    player.stop();
    QCOMPARE(pipelines(), 0);
    QSignalSpy states(&player, &MediaPlayer::stateChanged);
    player.setURL(path);
    QCOMPARE(pipelines(), 1);
    QCOMPARE(player.findChild<QAudioOutput *>()->volume(), 0.3f);
    QCOMPARE(player.URL(), path);
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), MediaPlayer::State::Playing, kWatchdogMs);
    QVERIFY(!states.isEmpty());
    const qint64 start = player.positionMs();
    QTRY_VERIFY_WITH_TIMEOUT(player.positionMs() > start, kWatchdogMs);

    player.pause();
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), MediaPlayer::State::Paused, kWatchdogMs);
    player.play();
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), MediaPlayer::State::Playing, kWatchdogMs);
    player.stop();
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), MediaPlayer::State::Stopped, kWatchdogMs);

    player.play();
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), MediaPlayer::State::Playing, kWatchdogMs);
    player.setURL(QString());
    QCOMPARE(player.state(), MediaPlayer::State::Stopped);
    QTRY_COMPARE_WITH_TIMEOUT(pipelines(), 0, kWatchdogMs);
    player.setURL(path);
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), MediaPlayer::State::Playing, kWatchdogMs);
}

void QtMediaPlayerTest::playsInAShownWindowWithControls()
{
    ShownPlayer shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QtMediaPlayer &player = shown.player;
    auto *bar = player.widget()->findChild<QWidget *>(QStringLiteral("controlBar"));
    QVERIFY(bar);
    QVERIFY(bar->isVisible());

    player.setURL(m_dir.filePath(QStringLiteral("tone.wav")));
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), MediaPlayer::State::Playing, kWatchdogMs);
    const qint64 start = player.positionMs();
    QTRY_VERIFY_WITH_TIMEOUT(player.positionMs() > start, kWatchdogMs);

    // A player a few twips high is only a strip: no room for the bar.
    player.widget()->setGeometry(0, 0, 320, 1);
    QVERIFY(!bar->isVisible());
}

void QtMediaPlayerTest::missingOrBrokenFileStaysSilent_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("nowhere/gone.mp3"))
                             << QStringLiteral("找不到");
    QTest::newRow("broken") << writeFile(QStringLiteral("broken.mid"), QByteArray(4000, '\x5a'))
                            << QStringLiteral("无法播放");
    QByteArray noise(4000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + i / 13) & 0xff);
    QTest::newRow("corrupt video") << writeFile(QStringLiteral("坏.mp4"), noise) << QStringLiteral("损坏");
    QFile avi(QStringLiteral(VELTANO_APP_DIR "/备课本/示例/彩条.avi"));
    QVERIFY(avi.open(QIODevice::ReadOnly));
    QTest::newRow("cut video") << writeFile(QStringLiteral("断.avi"), avi.read(3000))
                               << QStringLiteral("无法播放");
}

void QtMediaPlayerTest::missingOrBrokenFileStaysSilent()
{
    QFETCH(QString, path);
    QFETCH(QString, why);
    ShownPlayer shown;
    QtMediaPlayer &player = shown.player;
    QSignalSpy errors(&player, &MediaPlayer::error);
    QSignalSpy presses(&player, &MediaPlayer::mouseDown);
    player.setURL(path);
    QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty(), kWatchdogMs);
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), MediaPlayer::State::Stopped, kWatchdogMs);
    QCOMPARE(player.positionMs(), 0);
    // The player's own area says which file and why, in Chinese, in place of a black picture.
    QWidget *view = player.widget();
    auto *notice = view->findChild<QLabel *>(QStringLiteral("notice"));
    QTRY_VERIFY_WITH_TIMEOUT(notice && notice->isVisible(), kWatchdogMs);
    QVERIFY(!view->findChild<VideoSurface *>()->isVisibleTo(view));
    QVERIFY2(notice->text().contains(QFileInfo(path).fileName()) && notice->text().contains(why) &&
                 !notice->text()
                      .section(QStringLiteral("："), 1)
                      .contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
             qPrintable(notice->text()));
    // A click on the notice is a click on the player.
    QTest::mouseClick(notice, Qt::LeftButton, {}, notice->rect().center());
    QCOMPARE(presses.size(), 1);
    QCOMPARE(presses.at(0).at(0).toInt(), MediaPlayer::kLeftButton);

    // The player still takes the next file.
    player.setURL(m_dir.filePath(QStringLiteral("tone.wav")));
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), MediaPlayer::State::Playing, kWatchdogMs);
    QVERIFY(!notice->isVisibleTo(view));
    QVERIFY(view->findChild<VideoSurface *>()->isVisibleTo(view));
}

void QtMediaPlayerTest::reportsPressesAndFocus()
{
    ShownPlayer shown;
    auto *field = new QLineEdit(&shown.window);
    field->move(400, 0);
    field->show();
    shown.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shown.window));
    field->setFocus();
    QtMediaPlayer &player = shown.player;
    QSignalSpy presses(&player, &MediaPlayer::mouseDown);
    QSignalSpy focus(&player, &MediaPlayer::focusIn);

    auto *video = player.widget()->findChild<VideoSurface *>();
    QTest::mousePress(video, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseRelease(video, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mousePress(video, Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseRelease(video, Qt::RightButton, {}, QPoint(50, 50));
    QCOMPARE(presses.size(), 2);
    QCOMPARE(presses.at(0).at(0).toInt(), 1);
    QCOMPARE(presses.at(1).at(0).toInt(), 2);

    // The click gave it the focus.
    QTRY_COMPARE(QApplication::focusWidget(), video);
    QCOMPARE(focus.size(), 1);
    focus.clear();

    // Focus handed back by a closing pop-up menu or a window getting active
    // again is not the user choosing the player.
    QMenu menu(&shown.window);
    menu.addAction(QStringLiteral("x"));
    menu.popup(shown.window.mapToGlobal(QPoint(400, 300)));
    QTRY_VERIFY(menu.isVisible());
    QTest::keyClick(&menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu.isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), video);
    QWidget other;
    other.setGeometry(400, 0, 100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    shown.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shown.window));
    QTRY_COMPARE(QApplication::focusWidget(), video);
    QVERIFY(focus.isEmpty());
}

void QtMediaPlayerTest::fullScreenIsLeftByEscapeOrDoubleClick()
{
    ShownPlayer shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QtMediaPlayer &player = shown.player;
    auto *video = player.widget()->findChild<VideoSurface *>();

    player.setFullScreen(true);
    QVERIFY(player.fullScreen());
    QVERIFY(video->isWindow());
    QTest::keyClick(video, Qt::Key_Escape);
    QVERIFY(!player.fullScreen());
    QVERIFY(!video->isWindow());

    player.setFullScreen(true);
    QTest::mouseDClick(video, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!player.fullScreen());
    QVERIFY(!video->isWindow());
}

int main(int argc, char *argv[])
{
    QtMediaPlayer::chooseBackEnd();
    QApplication app(argc, argv);
    QtMediaPlayerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtmediaplayer.moc"
