#include "browserpage.h"

#include "localfileguard.h"

#include <QFileInfo>
#include <QWebEngineSettings>

BrowserPage::BrowserPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent), m_guard(new LocalFileGuard(QString(), this))
{
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    setUrlRequestInterceptor(m_guard);
}

bool BrowserPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // The teacher's own navigations choose the folder the page may read; a
    // page's links and forms stay within it.
    const bool teachers = type == NavigationTypeTyped || type == NavigationTypeBackForward;
    if (isMainFrame && teachers)
        m_guard->setFolder(url.isLocalFile() ? QFileInfo(url.toLocalFile()).absolutePath() : QString());
    return true;
}
