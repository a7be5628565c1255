#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The embedded media player (audio and video), as the cover page and the video
// pane use it.
// Contract:
// - setURL() loads the medium and, with automatic start on (the default), plays
//   it once it can; an empty URL stops and unloads.
// - A missing or unplayable file never throws and never blocks: the state stays
//   Stopped (or becomes Stopped) and `error` may be emitted.
// - widget() is the control to place in a window; the caller owns placement
//   (twips turned into pixels) and visibility through it.
// - mouseDown reports the button code (1 left, 2 right); focusIn when the
//   user gives the player the keyboard focus (a click, Tab), never for focus
//   handed back after a pop-up menu or a window activation.
class MediaPlayer : public QObject
{
    Q_OBJECT
public:
    enum class State { Stopped, Playing, Paused };
    // Button codes of mouseDown.
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    static constexpr int kMiddleButton = 4;

    using QObject::QObject;

    virtual QWidget *widget() = 0;

    virtual void setURL(const QString &url) = 0;
    virtual QString URL() const = 0;

    virtual void setAutoStart(bool on) = 0;
    virtual void setVolume(int volume) = 0; // 0..100, 50 by default

    // controls.play / controls.pause / controls.stop
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;

    virtual void setFullScreen(bool on) = 0;
    virtual bool fullScreen() const = 0;
    // Stored only; drawing is the same either way on this platform.
    virtual void setWindowlessVideo(bool on) = 0;
    virtual bool windowlessVideo() const = 0;

    virtual State state() const = 0;
    virtual qint64 positionMs() const = 0;

signals:
    void stateChanged(MediaPlayer::State state);
    void mouseDown(int button);
    void focusIn();
    void error(const QString &message);
};

// Contract: creates players owned by `parent`'s widget tree (the returned
// object is parented to `parent`).
class MediaPlayerFactory
{
public:
    virtual ~MediaPlayerFactory() = default;
    virtual MediaPlayer *create(QWidget *parent) = 0;
};
