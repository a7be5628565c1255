#include "browserpage.h"

#include "localfileguard.h"
#include "webaddress.h"

#include <QFileInfo>
#include <QWebEngineSettings>

BrowserPage::BrowserPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent), m_guard(new LocalFileGuard(QString(), this))
{
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    // A page that cannot be loaded is told in the teacher's words, not the engine's.
    settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    setUrlRequestInterceptor(m_guard);
    // The engine asks this page about a clicked address of another kind only
    // when its policy would hand it out; the page refuses each one, and can
    // then say so. Other pages keep the profile's refusal without a word.
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::AllowUnknownUrlSchemesFromUserInteraction);
}

bool BrowserPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // Frames of a page may also show content the page made itself.
    static const QStringList inPage{QStringLiteral("data"), QStringLiteral("blob")};
    if (!webaddress::isPage(url) && !inPage.contains(url.scheme().toLower())) {
        emit refused(url);
        return false;
    }
    // The teacher's own navigations choose the folder the page may read; a
    // page's links and forms stay within it.
    const bool teachers = type == NavigationTypeTyped || type == NavigationTypeBackForward;
    if (isMainFrame && teachers)
        m_guard->setFolder(url.isLocalFile() ? QFileInfo(url.toLocalFile()).absolutePath() : QString());
    return true;
}

QWebEnginePage *BrowserPage::createWindow(WebWindowType)
{
    BrowserPage *page = m_open ? m_open() : nullptr;
    if (page)
        page->m_guard->setFolder(m_guard->folder());
    return page;
}
