#pragma once

#include "platform/mediaplayer.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

class PlayerView;
class QAudioOutput;
class QMediaPlayer;

// The media player on Qt Multimedia (GStreamer back end): mp3, wav, mid, avi,
// mpg, wmv, mp4. Works without a sound card (GStreamer then plays into a fake
// sink and the position still advances).
class QtMediaPlayer : public MediaPlayer
{
    Q_OBJECT
public:
    explicit QtMediaPlayer(QWidget *parent);
    ~QtMediaPlayer() override;

    // GStreamer plays MIDI, the other back end does not. Call before the
    // application object exists; a back end chosen by the user is kept.
    static void chooseBackEnd();

    QWidget *widget() override;
    void setURL(const QString &url) override;
    QString URL() const override { return m_url; }
    void setAutoStart(bool on) override { m_autoStart = on; }
    void setVolume(int volume) override;
    void play() override;
    void pause() override;
    void stop() override;
    void setFullScreen(bool on) override;
    bool fullScreen() const override;
    void setWindowlessVideo(bool on) override { m_windowless = on; }
    bool windowlessVideo() const override { return m_windowless; }
    State state() const override;
    qint64 positionMs() const override;

private:
    // The medium as its notice names it: a file by its name, an address whole.
    QString shownName() const;
    // Why the medium cannot be played, from the back end's message.
    QString reasonFor(const QString &message) const;
    void tellUnopenedStreams();
    void schedulePlay();
    void startPendingPlay();
    void onShown();
    void retryAfterStaleError();
    void createPipeline();
    void releasePipeline();

    QPointer<PlayerView> m_view;
    // Both exist only while a medium is loaded.
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    int m_volume = 50; // the default of the interface
    QTimer m_startTimer;
    QElapsedTimer m_sinceShown;
    bool m_playPending = false;
    // The teacher asked the current medium to play (cleared by stop, pause and a new URL).
    bool m_wantPlay = false;
    bool m_retried = false;
    // Counts the media set, so that a late look at one knows whether it is still current.
    int m_loads = 0;
    QString m_url;
    bool m_autoStart = true;
    bool m_windowless = false;
};

class QtMediaPlayerFactory : public MediaPlayerFactory
{
public:
    MediaPlayer *create(QWidget *parent) override;
};
