#include "webplugin.h"

#include "qtwebbrowser.h"
#include "ruffleflashplayer.h"
#include "slideshowplayer.h"
#include "webengine.h"

WebPlugin::WebPlugin() = default;
WebPlugin::~WebPlugin() = default;

void WebPlugin::open(const QString &webFolder)
{
    m_engine = std::make_unique<WebEngine>(webFolder);
    m_flashPlayers = std::make_unique<RuffleFlashPlayerFactory>(*m_engine);
    m_webBrowsers = std::make_unique<QtWebBrowserFactory>(*m_engine);
    m_deckPlayers = std::make_unique<SlideShowPlayerFactory>(*m_engine);
}

FlashPlayerFactory &WebPlugin::flashPlayers()
{
    return *m_flashPlayers;
}

WebBrowserFactory &WebPlugin::webBrowsers()
{
    return *m_webBrowsers;
}

DeckPlayerFactory &WebPlugin::deckPlayers()
{
    return *m_deckPlayers;
}
