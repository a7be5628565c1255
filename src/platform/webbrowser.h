#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The embedded web browser, as the browser window uses it.
// Contract:
// - Navigate() starts loading at once: Busy() is true from the call until the
//   page has loaded or failed. An empty address shows a blank page. An address
//   that is no page (a javascript: script, words with spaces) is not loaded: a
//   notice in its place says why and Busy() stays false.
// - A page that fails to load shows the engine's error page; nothing throws.
// - NavigateComplete2 reports the address once a navigation has finished and
//   DownloadComplete follows it; LocationName() is the page's title then.
// - A display process that dies leaves a notice with a way to reload.
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

signals:
    void NavigateComplete2(const QString &url);
    void DownloadComplete();
};

// Contract: creates browsers owned by `parent`'s widget tree.
class WebBrowserFactory
{
public:
    virtual ~WebBrowserFactory() = default;
    virtual WebBrowser *create(QWidget *parent) = 0;
};
