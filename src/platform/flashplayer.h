#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The embedded Flash control, as the desktop's Flash pane uses it. It is
// created with quality high, scale "showAll" and its context menu off.
// Contract:
// - setMovie() loads the movie and starts it; the movie keeps playing while the
//   control is hidden, though a control hidden for some seconds may let it go
//   with its memory and start it afresh when shown. A movie set on a control
//   that is not shown waits until it shows, so nothing heavy starts before a
//   movie is seen.
// - A movie that cannot be played (missing, not a Flash movie, cut short)
//   never throws and never blocks: the control shows a notice naming the file
//   and status() becomes Failed.
// - widget() is the control to place in a window; the caller owns placement
//   and visibility through it.
// - focusIn reports the control taking the keyboard focus, with the reason;
//   pressed reports every mouse button pressed inside the control, whether or
//   not it brings the focus.
class FlashPlayer : public QObject
{
    Q_OBJECT
public:
    enum class Status { Empty, Loading, Playing, Failed };

    using QObject::QObject;

    virtual QWidget *widget() = 0;

    virtual void setMovie(const QString &path) = 0;
    virtual QString movie() const = 0;

    // Starts the current movie again after it was stopped or paused.
    virtual void play() = 0;
    // Holds the movie where it is, sound included, until play().
    virtual void pause() = 0;
    virtual void setMenu(bool on) = 0;

    virtual Status status() const = 0;

signals:
    void statusChanged(FlashPlayer::Status status);
    void focusIn(Qt::FocusReason reason);
    void pressed();
};

// Contract: creates controls owned by `parent`'s widget tree.
class FlashPlayerFactory
{
public:
    virtual ~FlashPlayerFactory() = default;
    virtual FlashPlayer *create(QWidget *parent) = 0;
    // Starts what a first movie needs (its engine, the emulator's compiled
    // code) in the background, so that the movie shows sooner when it is asked
    // for; nothing to do where nothing is slow to start.
    virtual void prepare() {}
};
