#pragma once

#include "platform/webbrowser.h"

class WebModule;

// Browsers from the web module, which the first one loads. Where the module
// cannot be loaded, the browser is a notice saying so, with nothing to load.
class ModuleWebBrowserFactory : public WebBrowserFactory
{
public:
    explicit ModuleWebBrowserFactory(WebModule &module) : m_module(module) {}
    WebBrowser *create(QWidget *parent) override;
    // Loads the module and starts its engine.
    void prepare() override;

private:
    WebModule &m_module;
};
