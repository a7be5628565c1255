#pragma once

#include "platform/webbrowser.h"

class BrowserPage;
class EngineView;
class WebEngine;

// The web browser on Qt WebEngine; its home page is the program's own start page.
class QtWebBrowser : public WebBrowser
{
    Q_OBJECT
public:
    QtWebBrowser(WebEngine &engine, QWidget *parent);

    QWidget *widget() override;
    void Navigate(const QString &address) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void Refresh() override;
    void Stop() override;
    QString LocationName() const override;
    QString LocationURL() const override;
    bool Busy() const override { return m_busy; }

    EngineView *view() const { return m_view; }

private:
    WebEngine &m_engine;
    EngineView *m_view;
    BrowserPage *m_page;
    bool m_busy = false;
};

class QtWebBrowserFactory : public WebBrowserFactory
{
public:
    explicit QtWebBrowserFactory(WebEngine &engine) : m_engine(engine) {}
    WebBrowser *create(QWidget *parent) override;
    void prepare() override;

private:
    WebEngine &m_engine;
};
