#include "qtwebbrowser.h"

#include "browserpage.h"
#include "engineview.h"
#include "loadfailure.h"
#include "webaddress.h"
#include "webengine.h"

#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

QtWebBrowser::QtWebBrowser(WebEngine &engine, QWidget *parent)
    : WebBrowser(parent), m_engine(engine), m_view(new EngineView(engine, parent))
{
    QWebEngineView *view = m_view->view();
    m_page = new BrowserPage(engine.profile(), view);
    view->setPage(m_page);
    m_page->setWindowOpener([this]() -> BrowserPage * {
        auto *other = qobject_cast<QtWebBrowser *>(newWindow());
        return other ? other->m_page : nullptr;
    });
    // Said over the page, which stays as it was: its place, what was typed into it.
    connect(m_page, &BrowserPage::refused, this, [this](const QUrl &url) {
        m_view->showBar(
            QStringLiteral("网址“%1”要由其他程序打开，课件里不会打开它。").arg(url.toDisplayString()));
    });
    connect(m_page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
            m_view->hideNotice();
            return;
        }
        const QString failure = loadfailure::describe(info);
        if (!failure.isEmpty())
            m_view->showNotice(failure, true, info.url());
    });
    connect(view, &QWebEngineView::loadStarted, this, [this] {
        m_busy = true;
        emit DownloadBegin();
    });
    connect(view, &QWebEngineView::loadFinished, this, [this, view](bool) {
        m_busy = false;
        emit NavigateComplete2(view->url().toString());
        emit DownloadComplete();
    });
    connect(m_view, &EngineView::crashed, this, [this] { m_busy = false; });
}

QWidget *QtWebBrowser::widget()
{
    return m_view;
}

void QtWebBrowser::Navigate(const QString &address)
{
    const webaddress::Resolved resolved = webaddress::resolve(address);
    if (resolved.url.isEmpty()) {
        m_view->showNotice(resolved.problem, false);
        return;
    }
    m_view->hideNotice();
    m_view->view()->load(resolved.url);
}

void QtWebBrowser::GoBack()
{
    if (!m_view->view()->history()->canGoBack())
        return;
    m_view->view()->back();
}

void QtWebBrowser::GoForward()
{
    if (!m_view->view()->history()->canGoForward())
        return;
    m_view->view()->forward();
}

void QtWebBrowser::GoHome()
{
    Navigate(m_engine.homePage().toString());
}

void QtWebBrowser::Refresh()
{
    m_view->hideNotice();
    m_view->view()->reload();
}

void QtWebBrowser::Stop()
{
    m_view->view()->stop();
    m_busy = false;
}

QString QtWebBrowser::LocationName() const
{
    return m_view->view()->title();
}

QString QtWebBrowser::LocationURL() const
{
    return m_view->view()->url().toString();
}

WebBrowser *QtWebBrowserFactory::create(QWidget *parent)
{
    return new QtWebBrowser(m_engine, parent);
}

void QtWebBrowserFactory::prepare()
{
    m_engine.profile();
}
