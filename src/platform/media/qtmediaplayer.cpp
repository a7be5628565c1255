#include "qtmediaplayer.h"

#include "lesson/lessonbook.h"
#include "missingdecoders.h"
#include "platform/logic/playerreasons.h"
#include "playerview.h"
#include "videosurface.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {

// Starting playback right after the video widget appears stalls the video
// now and then with GStreamer; a short settling time avoids it.
constexpr int kSettleMs = 300;
// How long a loaded medium must stay loaded before a play swallowed by a stale error is retried.
constexpr int kRetryMs = 150;
// How long a medium that reported an error has to start playing before it is taken for broken.
constexpr int kBrokenAfterMs = 1500;

// A lesson names local files, possibly with Windows separators; anything with
// a scheme ("http://…") is taken as an address.
QUrl sourceOf(const QString &url)
{
    if (url.contains(QLatin1String("://")))
        return QUrl(url);
    return QUrl::fromLocalFile(LessonBook::toNativeSeparators(url));
}

} // namespace

QtMediaPlayer::QtMediaPlayer(QWidget *parent) : MediaPlayer(parent), m_view(new PlayerView(parent))
{
    m_startTimer.setSingleShot(true);
    connect(&m_startTimer, &QTimer::timeout, this, &QtMediaPlayer::startPendingPlay);

    connect(m_view, &PlayerView::playClicked, this, &QtMediaPlayer::play);
    connect(m_view, &PlayerView::pauseClicked, this, &QtMediaPlayer::pause);
    connect(m_view, &PlayerView::stopClicked, this, &QtMediaPlayer::stop);
    connect(m_view, &PlayerView::seekRequested, this, [this](qint64 ms) {
        if (m_player)
            m_player->setPosition(ms);
    });
    connect(m_view, &PlayerView::pressed, this, &MediaPlayer::mouseDown);
    connect(m_view, &PlayerView::focusIn, this, &MediaPlayer::focusIn);
    connect(m_view, &PlayerView::shown, this, &QtMediaPlayer::onShown);
}

// A GStreamer pipeline with its audio sink costs some megabytes: it exists only
// while a medium is loaded, so a pane or cover without media holds none.
void QtMediaPlayer::createPipeline()
{
    if (m_player)
        return;
    m_player = new QMediaPlayer(this);
    m_audio = new QAudioOutput(m_player);
    m_player->setAudioOutput(m_audio);
    m_player->setVideoSink(m_view->video()->sink());
    m_audio->setVolume(float(m_volume) / 100.0f);

    connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this] { emit stateChanged(state()); });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::LoadedMedia && m_wantPlay && !m_retried)
            QTimer::singleShot(kRetryMs, this, &QtMediaPlayer::retryAfterStaleError);
        if (status == QMediaPlayer::LoadedMedia)
            tellUnopenedStreams();
    });
    connect(m_player, &QMediaPlayer::durationChanged, m_view, &PlayerView::setDuration);
    connect(m_player, &QMediaPlayer::positionChanged, m_view, &PlayerView::setPosition);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString &message) {
                const QString reason = reasonFor(message);
                // Errors of a medium arrive queued and may come after the next one was
                // set: only a medium that is invalid now leaves the player stopped.
                if (m_player->mediaStatus() == QMediaPlayer::InvalidMedia) {
                    m_playPending = false;
                    m_player->stop();
                    m_view->setNotice(playerreasons::notice(shownName(), reason));
                } else {
                    // A medium that loaded and then broke (a file cut short) stays
                    // stopped and black; the one before's late error is followed by
                    // playing, after the retry.
                    const int load = m_loads;
                    QTimer::singleShot(kBrokenAfterMs, this, [this, load, reason] {
                        if (load == m_loads && m_wantPlay && state() != State::Playing)
                            m_view->setNotice(playerreasons::notice(shownName(), reason));
                    });
                }
                emit error(reason);
            });
}

// Unloading lets the pipeline go. It is deleted later: this may run inside one
// of its own signals.
void QtMediaPlayer::releasePipeline()
{
    if (!m_player)
        return;
    QMediaPlayer *gone = m_player;
    m_player = nullptr;
    m_audio = nullptr;
    const bool wasStopped = gone->playbackState() == QMediaPlayer::StoppedState;
    gone->disconnect();
    gone->stop();
    gone->setVideoSink(nullptr);
    gone->deleteLater();
    m_view->setDuration(0);
    m_view->setPosition(0);
    if (!wasStopped)
        emit stateChanged(State::Stopped);
}

QtMediaPlayer::~QtMediaPlayer()
{
    delete m_player;
    delete m_view.data();
}

void QtMediaPlayer::chooseBackEnd()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

QWidget *QtMediaPlayer::widget()
{
    return m_view;
}

void QtMediaPlayer::setURL(const QString &url)
{
    m_url = url;
    ++m_loads;
    m_view->setNotice(QString());
    m_playPending = false;
    m_wantPlay = false;
    m_retried = false;
    if (url.isEmpty()) {
        releasePipeline();
        return;
    }
    createPipeline();
    m_player->stop();
    // The same medium again is loaded afresh: Qt would keep the old load, and
    // with it a failure whose notice was just cleared (or a file since copied in).
    m_player->setSource(QUrl());
    m_player->setSource(sourceOf(url));
    if (m_autoStart)
        schedulePlay();
}

QString QtMediaPlayer::shownName() const
{
    const QUrl source = sourceOf(m_url);
    return source.isLocalFile() ? QFileInfo(source.toLocalFile()).fileName() : m_url;
}

QString QtMediaPlayer::reasonFor(const QString &message) const
{
    // However the back end words it, a file that is not there is missing.
    const QUrl source = sourceOf(m_url);
    return playerReason(source.isLocalFile() ? source.toLocalFile() : QString(), message);
}

// A stream without its decoder is left out silently: the sound plays on a
// black picture. The notice takes the picture's place and names the decoder.
void QtMediaPlayer::tellUnopenedStreams()
{
    const QUrl source = sourceOf(m_url);
    if (!source.isLocalFile())
        return;
    const QString lacking = unopenedStreams(source.toLocalFile(), m_player->hasAudio(), m_player->hasVideo());
    if (!lacking.isEmpty())
        m_view->setNotice(playerreasons::partNotice(shownName(), lacking));
}

void QtMediaPlayer::setVolume(int volume)
{
    m_volume = qBound(0, volume, 100);
    if (m_audio)
        m_audio->setVolume(float(m_volume) / 100.0f);
}

void QtMediaPlayer::play()
{
    if (!m_url.isEmpty())
        schedulePlay();
}

void QtMediaPlayer::pause()
{
    m_playPending = false;
    m_wantPlay = false;
    if (m_player)
        m_player->pause();
}

void QtMediaPlayer::stop()
{
    m_playPending = false;
    m_wantPlay = false;
    if (m_player)
        m_player->stop();
}

// Playback starts once the caller's handler has finished (it may still place
// or show the player) and not before the widget has settled after showing.
// A player that is never shown (background music) starts right away.
void QtMediaPlayer::schedulePlay()
{
    m_playPending = true;
    m_wantPlay = true;
    const qint64 settled = m_sinceShown.isValid() ? m_sinceShown.elapsed() : kSettleMs;
    m_startTimer.start(int(qMax<qint64>(0, kSettleMs - settled)));
}

void QtMediaPlayer::startPendingPlay()
{
    if (!m_playPending || !m_player)
        return;
    m_playPending = false;
    // Playing a medium that failed to load would only report "playing" in silence.
    if (m_player->mediaStatus() != QMediaPlayer::InvalidMedia)
        m_player->play();
}

// The late error of a broken medium can arrive after the next medium was set and
// stop it before it plays. A medium that then loads and stays loaded is good: it
// is played once more. A broken one turns invalid again at once and is left.
void QtMediaPlayer::retryAfterStaleError()
{
    if (!m_player || !m_wantPlay || m_retried || m_playPending ||
        m_player->mediaStatus() != QMediaPlayer::LoadedMedia ||
        m_player->playbackState() == QMediaPlayer::PlayingState)
        return;
    m_retried = true;
    m_player->play();
}

void QtMediaPlayer::onShown()
{
    m_sinceShown.start();
    if (m_playPending)
        m_startTimer.start(kSettleMs);
}

void QtMediaPlayer::setFullScreen(bool on)
{
    m_view->setFullScreen(on);
}

bool QtMediaPlayer::fullScreen() const
{
    return m_view->isFullScreen();
}

MediaPlayer::State QtMediaPlayer::state() const
{
    if (!m_player)
        return State::Stopped;
    switch (m_player->playbackState()) {
    case QMediaPlayer::PlayingState:
        return State::Playing;
    case QMediaPlayer::PausedState:
        return State::Paused;
    default:
        return State::Stopped;
    }
}

qint64 QtMediaPlayer::positionMs() const
{
    return m_player ? m_player->position() : 0;
}

MediaPlayer *QtMediaPlayerFactory::create(QWidget *parent)
{
    return new QtMediaPlayer(parent);
}
