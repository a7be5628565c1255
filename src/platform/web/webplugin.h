#pragma once

#include "platform/webcomponents.h"

#include <memory>
#include <QObject>

class WebEngine;
class RuffleFlashPlayerFactory;
class QtWebBrowserFactory;
class SlideShowPlayerFactory;

// The web module's entry: the engine and its factories.
class WebPlugin : public QObject, public WebComponents
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELTANO_WEB_COMPONENTS_IID)
    Q_INTERFACES(WebComponents)
public:
    WebPlugin();
    ~WebPlugin() override;

    void open(const QString &webFolder) override;
    FlashPlayerFactory &flashPlayers() override;
    WebBrowserFactory &webBrowsers() override;
    DeckPlayerFactory &deckPlayers() override;

private:
    std::unique_ptr<WebEngine> m_engine;
    std::unique_ptr<RuffleFlashPlayerFactory> m_flashPlayers;
    std::unique_ptr<QtWebBrowserFactory> m_webBrowsers;
    std::unique_ptr<SlideShowPlayerFactory> m_deckPlayers;
};
