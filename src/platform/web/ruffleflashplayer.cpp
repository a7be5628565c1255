#include "ruffleflashplayer.h"

#include "engineview.h"
#include "flashhostpages.h"
#include "localfileguard.h"
#include "swfprobe.h"
#include "webengine.h"

#include <QEvent>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>
#include <QWebEngineView>

RuffleFlashPlayer::RuffleFlashPlayer(WebEngine &engine, QWidget *parent, int blankMs)
    : FlashPlayer(parent), m_engine(engine), m_view(new EngineView(engine, parent)),
      m_guard(new LocalFileGuard(engine.webFolder(), this)), m_blankMs(blankMs)
{
    connect(m_view, &EngineView::focusIn, this, &FlashPlayer::focusIn);
    connect(m_view, &EngineView::pressed, this, &FlashPlayer::pressed);
    // A reloaded host page (after its process died) plays the movie again.
    connect(m_view, &EngineView::crashed, this, [this] {
        m_hostReady = false;
        m_pageRequest = -1;
    });
    m_view->installEventFilter(this);
}

QWidget *RuffleFlashPlayer::widget()
{
    return m_view;
}

void RuffleFlashPlayer::setMovie(const QString &path)
{
    m_movie = path;
    ++m_request;
    m_waiting = true;
    if (m_view->hasView() || m_view->isVisible())
        start();
}

void RuffleFlashPlayer::play()
{
    if (m_hostReady && m_status == Status::Playing)
        m_view->view()->page()->runJavaScript(QStringLiteral("playMovie()"));
}

void RuffleFlashPlayer::pause()
{
    if (m_hostReady && m_status == Status::Playing)
        m_view->view()->page()->runJavaScript(QStringLiteral("pauseMovie()"));
}

// A movie set while the control has never been seen starts when it shows.
bool RuffleFlashPlayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::Show && m_waiting)
        start();
    return FlashPlayer::eventFilter(watched, event);
}

void RuffleFlashPlayer::start()
{
    // A movie that cannot play is named without starting the engine for it.
    if (!movieCanPlay())
        return;
    if (m_view->hasView()) {
        loadMovie();
        return;
    }
    QWebEngineView *view = m_view->view();
    const FlashHostPages::Page page = m_engine.flashHostPages().take(view);
    // The guard keeps a movie from reading more than its own folder.
    page.page->setUrlRequestInterceptor(m_guard);
    view->setPage(page.page);
    connect(view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        m_hostReady = ok;
        if (!ok || m_movie.isEmpty())
            return;
        // The page plays the movie its address names; a later one, or any
        // movie after the page was reloaded, is handed over now.
        if (m_request == m_pageRequest && m_status == Status::Loading)
            return;
        m_waiting = true;
        loadMovie();
    });
    connect(view, &QWebEngineView::titleChanged, this, &RuffleFlashPlayer::readTitle);
    if (page.onHost) {
        // The page loaded ahead: the movie goes to it once it has loaded.
        m_hostReady = page.loaded;
        loadMovie();
        return;
    }
    loadMovie();
    QUrl host = m_engine.flashHostPage();
    if (m_waiting) {
        // The first movie rides along with the page, saving a round trip
        // through the finished page before the emulator can start on it.
        m_waiting = false;
        m_pageRequest = m_request;
        // In a query "+" reads as a space and "#" ends the address: it goes in
        // percent-encoded whole, so any file name arrives as it is.
        host.setQuery(QStringLiteral("movie=%1&request=%2&blank=%3")
                          .arg(QString::fromLatin1(QUrl::toPercentEncoding(movieAddress())),
                               QString::number(m_request), QString::number(m_blankMs)));
    }
    view->load(host);
}

QString RuffleFlashPlayer::movieAddress() const
{
    return QUrl::fromLocalFile(QFileInfo(m_movie).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

bool RuffleFlashPlayer::movieCanPlay()
{
    const swfprobe::Verdict verdict = swfprobe::check(m_movie);
    QString reason;
    if (verdict != swfprobe::Verdict::Playable)
        reason = swfprobe::describe(verdict);
    else if (!QFileInfo::exists(m_engine.flashEmulator()))
        reason = QStringLiteral("找不到 Flash 播放组件");
    if (reason.isEmpty())
        return true;
    m_waiting = false;
    // The movie shown before goes, sounds and all, rather than play on behind the notice.
    if (m_hostReady)
        m_view->view()->page()->runJavaScript(QStringLiteral("unloadMovie()"));
    fail(reason);
    return false;
}

void RuffleFlashPlayer::loadMovie()
{
    if (!m_waiting || !movieCanPlay())
        return;
    m_guard->setFolder(QFileInfo(m_movie).absolutePath());
    setStatus(Status::Loading);
    if (!m_hostReady)
        return;
    m_waiting = false;
    m_view->hideNotice();
    // The address goes in as a JSON string, so no file name can break the call.
    const QJsonArray url{movieAddress()};
    // One arg() for all: a "%3" in the address must not take a later value.
    const QString call = QStringLiteral("loadMovie(%1[0], %2, %3)")
                             .arg(QString::fromUtf8(QJsonDocument(url).toJson(QJsonDocument::Compact)),
                                  QString::number(m_request), QString::number(m_blankMs));
    m_view->view()->page()->runJavaScript(call);
}

void RuffleFlashPlayer::readTitle(const QString &title)
{
    const QStringList parts = title.split(QLatin1Char(' '));
    if (parts.size() != 2 || parts.at(1).toInt() != m_request)
        return;
    const QString &state = parts.at(0);
    const bool loading = m_status == Status::Loading;
    const bool shown = loading || m_status == Status::Playing;
    if (loading && state == QLatin1String("playing"))
        setStatus(Status::Playing);
    else if (loading && state == QLatin1String("failed"))
        fail(QStringLiteral("Flash 播放组件不能读取它"));
    else if (shown && (state == QLatin1String("error") || state == QLatin1String("blank"))) {
        // Its sounds go with it rather than play on behind the notice.
        m_view->view()->page()->runJavaScript(QStringLiteral("unloadMovie()"));
        fail(state == QLatin1String("error")
                 ? QStringLiteral("Flash 播放组件播放它时出错")
                 : QStringLiteral("它一直没有画出任何内容，可能用了这里不支持的 3D 绘图"));
    }
}

void RuffleFlashPlayer::fail(const QString &reason)
{
    m_view->showNotice(QStringLiteral("无法播放 Flash 动画：%1\n（%2）").arg(m_movie, reason), false);
    setStatus(Status::Failed);
}

void RuffleFlashPlayer::setStatus(Status status)
{
    if (m_status == status)
        return;
    m_status = status;
    emit statusChanged(status);
}

FlashPlayer *RuffleFlashPlayerFactory::create(QWidget *parent)
{
    return new RuffleFlashPlayer(m_engine, parent);
}

void RuffleFlashPlayerFactory::prepare()
{
    m_engine.flashHostPages().prepare();
}
