#pragma once

#include "platform/deckplayer.h"

class WebModule;

// Shows from the web module, which the first one loads. Where the module
// cannot be loaded, every show fails, so the pane shows the deck's pages.
class ModuleDeckPlayerFactory : public DeckPlayerFactory
{
public:
    explicit ModuleDeckPlayerFactory(WebModule &module) : m_module(module) {}
    DeckPlayer *create(QWidget *parent) override;
    // Loads the module and starts its engine.
    void prepare() override;

private:
    WebModule &m_module;
};
