#pragma once

#include <functional>
#include <QObject>
#include <QString>

class QWidget;

// The embedded web browser, as the browser window uses it.
// Contract:
// - Busy() is true while the engine loads a page: from the moment it starts
//   until the page has loaded or failed, whoever asked for it; an address the
//   engine never starts on leaves it false. An empty address shows a blank
//   page. An address that is no page (a javascript: script, words with spaces)
//   is not loaded: a notice in its place says why.
// - A page that fails to load (a missing file, no network) shows a notice
//   saying why, with its address and a way to load it again; nothing throws.
//   An address another program would open (mailto:) is refused with a bar
//   over the page, which stays as it was.
// - DownloadBegin reports the engine starting to load a page (Busy() is true).
// - NavigateComplete2 reports the address once a navigation has finished and
//   DownloadComplete follows it; LocationName() is the page's title then.
// - A display process that dies leaves a notice with a way to reload.
// - A page that opens a new window (a link with a target, window.open) shows
//   it in the browser the new-window handler makes; without one it stays put.
class WebBrowser : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QWidget *widget() = 0;

    virtual void Navigate(const QString &address) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    // The component's own start page.
    virtual void GoHome() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;

    virtual QString LocationName() const = 0;
    virtual QString LocationURL() const = 0;
    virtual bool Busy() const = 0;

    using NewWindowHandler = std::function<WebBrowser *()>;
    void setNewWindowHandler(NewWindowHandler handler) { m_newWindow = std::move(handler); }

signals:
    void DownloadBegin();
    void NavigateComplete2(const QString &url);
    void DownloadComplete();

protected:
    WebBrowser *newWindow() const { return m_newWindow ? m_newWindow() : nullptr; }

private:
    NewWindowHandler m_newWindow;
};

// Contract: creates browsers owned by `parent`'s widget tree.
class WebBrowserFactory
{
public:
    virtual ~WebBrowserFactory() = default;
    virtual WebBrowser *create(QWidget *parent) = 0;
    // Starts the engine pages need in the background, so that the first page
    // comes sooner; nothing to do where nothing is slow to start.
    virtual void prepare() {}
};
