#include "webengine.h"

#include "flashhostpages.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <unistd.h>

WebEngine::WebEngine(QString webFolder) : m_webFolder(std::move(webFolder))
{}

WebEngine::~WebEngine() = default;

FlashHostPages &WebEngine::flashHostPages()
{
    if (!m_flashHostPages)
        m_flashHostPages = std::make_unique<FlashHostPages>(*this, nullptr);
    return *m_flashHostPages;
}

QWebEngineProfile *WebEngine::profile()
{
    if (m_profile)
        return m_profile;
    // The engine reads this when it starts: its sandbox refuses to run as root,
    // and stays on for everybody else.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    m_profile = QWebEngineProfile::defaultProfile();
    QWebEngineSettings *settings = m_profile->settings();
    // A movie's sound starts with the movie, as in class nobody clicks first.
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    // No page reads files of this computer unless it says so itself, under a
    // guard: the Flash host page and the browser's pages.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
    // No page or movie starts another program, not even on a click.
    settings->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    return m_profile;
}

QUrl WebEngine::homePage() const
{
    return QUrl::fromLocalFile(m_webFolder + QStringLiteral("/home.html"));
}

QUrl WebEngine::flashHostPage() const
{
    return QUrl::fromLocalFile(m_webFolder + QStringLiteral("/flashhost.html"));
}

QString WebEngine::flashEmulator() const
{
    return m_webFolder + QStringLiteral("/ruffle/ruffle.js");
}
