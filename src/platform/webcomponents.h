#pragma once

#include <QString>
#include <QtPlugin>

class DeckPlayerFactory;
class FlashPlayerFactory;
class WebBrowserFactory;

// What the web module offers once loaded: the browser, the Flash player and the
// decks' slide show on Qt WebEngine. They live in a module of their own so that neither the engine
// nor OpenGL is in the process before the first page is needed.
class WebComponents
{
public:
    virtual ~WebComponents() = default;

    // Called once, before the factories: `webFolder` holds the program's own
    // pages and the Flash emulator.
    virtual void open(const QString &webFolder) = 0;
    virtual FlashPlayerFactory &flashPlayers() = 0;
    virtual WebBrowserFactory &webBrowsers() = 0;
    virtual DeckPlayerFactory &deckPlayers() = 0;
};

#define VELTANO_WEB_COMPONENTS_IID "org.veltano.WebComponents/2"
Q_DECLARE_INTERFACE(WebComponents, VELTANO_WEB_COMPONENTS_IID)
