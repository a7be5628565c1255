#pragma once

#include <QObject>

class LocalFileGuard;
class QTimer;
class QWebEnginePage;
class WebEngine;

// The pages the Flash emulator runs in: the program's host page, black until a
// movie's first frame. One may be loaded ahead, with the emulator started in
// it on an empty movie: compiling the emulator's 14 MB core is most of a first
// movie's time, and the engine keeps no compiled code between pages. The
// first movie then plays in that page. A page loaded ahead that no movie takes
// within `keepMs` goes, with its display process, so a lesson whose movies
// stay unseen does not keep it through the lesson.
class FlashHostPages : public QObject
{
    Q_OBJECT
public:
    static constexpr int kKeepMs = 10 * 60 * 1000;

    FlashHostPages(WebEngine &engine, QObject *parent, int keepMs = kKeepMs);

    // Loads a page ahead, once, unless a player has taken a page already.
    void prepare();
    // The page loaded ahead, until a movie takes it or it goes.
    QWebEnginePage *ahead() const { return m_ahead; }

    struct Page {
        QWebEnginePage *page;
        // Already on the host page (the one loaded ahead); `loaded` once it has loaded.
        bool onHost;
        bool loaded;
    };
    // A page for a player, owned by `owner`: the one loaded ahead while it is
    // there, else a new one still to be sent to the host page.
    Page take(QObject *owner);

private:
    QWebEnginePage *make(QObject *owner);
    void dropAhead();

    WebEngine &m_engine;
    LocalFileGuard *m_guard;
    QTimer *m_keep;
    QWebEnginePage *m_ahead = nullptr;
    bool m_aheadLoaded = false;
    bool m_prepared = false;
};
