#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The deck pane's slide show: a deck the office suite exported with its
// builds, transitions and links (see ConvertedDocument::Format::Show), played
// as its author made it.
// Contract:
// - setShow() starts the show at its first slide, before its first build; an
//   empty file stops it and shows nothing. status() is Loading until the first
//   slide is on screen, then Playing; a show that cannot be played becomes
//   Failed, with failed() saying why (the pane then shows the deck's pages).
// - step(+1) brings in the next build, or the next slide after its last build;
//   step(-1) takes back the last build, or goes to the previous slide. The last
//   build of the last slide stays: a further step does nothing; before the
//   first slide nothing either. Keys and clicks on the show step it the same
//   way: a click on the slide, PageDown, →, ↓, Space and Enter on; PageUp, ←
//   and ↑ back. A click on a link or an action button follows it instead.
// - The show reads nothing but its own file and the files beside it, starts no
//   program and loads nothing from the network, but for a page on the web the
//   teacher clicks a link to.
// - cannotPlay() names the sounds and movies of the slide on screen that the
//   show does not play, as each such slide comes.
// - pressed reports every mouse button pressed inside the show; focusIn the
//   show taking the keyboard focus.
class DeckPlayer : public QObject
{
    Q_OBJECT
public:
    enum class Status { Empty, Loading, Playing, Failed };

    using QObject::QObject;

    virtual QWidget *widget() = 0;
    virtual void setShow(const QString &file) = 0;
    virtual QString show() const = 0;
    virtual void step(int direction) = 0;
    virtual Status status() const = 0;

signals:
    void statusChanged(DeckPlayer::Status status);
    void failed(const QString &reason);
    void cannotPlay(const QString &what);
    void focusIn(Qt::FocusReason reason);
    void pressed();
};

// Contract: creates shows owned by `parent`'s widget tree.
class DeckPlayerFactory
{
public:
    virtual ~DeckPlayerFactory() = default;
    virtual DeckPlayer *create(QWidget *parent) = 0;
    // Starts what a first show needs (the web engine) in the background;
    // nothing to do where nothing is slow to start.
    virtual void prepare() {}
};
