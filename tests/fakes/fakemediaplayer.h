#pragma once

#include "platform/mediaplayer.h"

#include <QList>

// A player that only records what it was told; state follows the commands.
class FakeMediaPlayer : public MediaPlayer
{
    Q_OBJECT
public:
    explicit FakeMediaPlayer(QWidget *parent);

    QWidget *widget() override { return m_widget; }
    void setURL(const QString &url) override;
    QString URL() const override { return m_url; }
    void setAutoStart(bool on) override { m_autoStart = on; }
    void setVolume(int volume) override { m_volume = volume; }
    void play() override;
    void pause() override;
    void stop() override;
    void setFullScreen(bool on) override { m_fullScreen = on; }
    bool fullScreen() const override { return m_fullScreen; }
    void setWindowlessVideo(bool on) override { m_windowless = on; }
    bool windowlessVideo() const override { return m_windowless; }
    State state() const override { return m_state; }
    qint64 positionMs() const override { return 0; }

    int volume() const { return m_volume; }
    bool autoStart() const { return m_autoStart; }
    QStringList commands; // "play", "pause", "stop", "url:<path>"

private:
    void setState(State state);

    QWidget *m_widget;
    QString m_url;
    bool m_autoStart = true;
    int m_volume = 50;
    bool m_fullScreen = false;
    bool m_windowless = false;
    State m_state = State::Stopped;
};

class FakeMediaPlayerFactory : public MediaPlayerFactory
{
public:
    MediaPlayer *create(QWidget *parent) override;
    QList<FakeMediaPlayer *> created;
};
