#include "flashhostpages.h"

#include "localfileguard.h"
#include "webengine.h"

#include <QColor>
#include <QFileInfo>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>

FlashHostPages::FlashHostPages(WebEngine &engine, QObject *parent, int keepMs)
    : QObject(parent), m_engine(engine), m_guard(new LocalFileGuard(engine.webFolder(), this)),
      m_keep(new QTimer(this))
{
    m_keep->setSingleShot(true);
    m_keep->setInterval(keepMs);
    connect(m_keep, &QTimer::timeout, this, &FlashHostPages::dropAhead);
}

void FlashHostPages::prepare()
{
    // Without the emulator a movie is named in a notice, no page needed.
    if (m_prepared || !QFileInfo::exists(m_engine.flashEmulator()))
        return;
    m_prepared = true;
    m_ahead = make(this);
    // A page without a view counts as hidden, and the engine slows a hidden
    // page's timers: the emulator would start, and later take its first
    // movie, several times slower.
    m_ahead->setVisible(true);
    connect(m_ahead, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        m_aheadLoaded = ok;
        if (!ok)
            dropAhead();
    });
    // The page names its state in its title: "ready" or "failed" once the
    // emulator has started or could not.
    connect(m_ahead, &QWebEnginePage::titleChanged, this, [this](const QString &title) {
        if (title.startsWith(QLatin1String("failed")))
            dropAhead();
    });
    QUrl host = m_engine.flashHostPage();
    host.setQuery(QStringLiteral("prepare=1"));
    m_ahead->load(host);
    m_keep->start();
}

FlashHostPages::Page FlashHostPages::take(QObject *owner)
{
    // A player that has its page needs none loaded ahead any more.
    m_prepared = true;
    if (!m_ahead)
        return {make(owner), false, false};
    QWebEnginePage *page = m_ahead;
    disconnect(page, nullptr, this, nullptr);
    page->setParent(owner);
    m_ahead = nullptr;
    m_keep->stop();
    return {page, true, m_aheadLoaded};
}

QWebEnginePage *FlashHostPages::make(QObject *owner)
{
    auto *page = new QWebEnginePage(m_engine.profile(), owner);
    // Until the first frame the pane shows the host page's black, not the
    // engine's white.
    page->setBackgroundColor(Qt::black);
    // Only this page, the program's own, reads local files: the emulator and
    // the movies, each player's guard keeping a movie to its own folder.
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    page->setUrlRequestInterceptor(m_guard);
    return page;
}

void FlashHostPages::dropAhead()
{
    if (!m_ahead)
        return;
    m_keep->stop();
    m_ahead->deleteLater();
    m_ahead = nullptr;
}
