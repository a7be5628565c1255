#pragma once

#include "platform/flashplayer.h"

class EngineView;
class LocalFileGuard;
class WebEngine;

// The Flash control on the Ruffle emulator, running in a web view on the
// program's own host page. The view and its host page are made once (the page
// may be one loaded ahead) and every later movie reuses them.
class RuffleFlashPlayer : public FlashPlayer
{
    Q_OBJECT
public:
    // How long a movie in sight may show nothing but its stage before the
    // notice takes its place.
    static constexpr int kBlankMs = 15000;

    RuffleFlashPlayer(WebEngine &engine, QWidget *parent, int blankMs = kBlankMs);

    QWidget *widget() override;
    void setMovie(const QString &path) override;
    QString movie() const override { return m_movie; }
    void play() override;
    void pause() override;
    // The host page keeps the emulator's menu off whatever is asked: the
    // desktop only ever switches it off.
    void setMenu(bool) override {}
    Status status() const override { return m_status; }

    // The view that shows the movie; null until the first movie is shown.
    EngineView *view() const { return m_view; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start();
    // False, with the notice shown, when the movie or the emulator is missing or broken.
    bool movieCanPlay();
    void loadMovie();
    void fail(const QString &reason);
    void setStatus(Status status);
    void readTitle(const QString &title);
    QString movieAddress() const;

    WebEngine &m_engine;
    EngineView *m_view;
    LocalFileGuard *m_guard;
    QString m_movie;
    int m_blankMs;
    int m_request = 0;
    int m_pageRequest = 0; // the request the host page's address carries
    bool m_hostReady = false;
    bool m_waiting = false; // a movie waits for the host page
    Status m_status = Status::Empty;
};

class RuffleFlashPlayerFactory : public FlashPlayerFactory
{
public:
    explicit RuffleFlashPlayerFactory(WebEngine &engine) : m_engine(engine) {}
    FlashPlayer *create(QWidget *parent) override;
    // Loads a host page ahead, with the emulator started in it.
    void prepare() override;

private:
    WebEngine &m_engine;
};
