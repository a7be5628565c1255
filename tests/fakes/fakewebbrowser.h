#pragma once

#include "platform/webbrowser.h"

#include <QList>
#include <QStringList>

// A browser that only records where it was sent; finish() plays the page
// having loaded.
class FakeWebBrowser : public WebBrowser
{
    Q_OBJECT
public:
    explicit FakeWebBrowser(QWidget *parent);

    QWidget *widget() override { return m_widget; }
    void Navigate(const QString &address) override;
    void GoBack() override { commands.append(QStringLiteral("back")); }
    void GoForward() override { commands.append(QStringLiteral("forward")); }
    void GoHome() override { commands.append(QStringLiteral("home")); }
    void Refresh() override { commands.append(QStringLiteral("refresh")); }
    void Stop() override;
    QString LocationName() const override { return m_title; }
    QString LocationURL() const override { return m_url; }
    bool Busy() const override { return m_busy; }

    // The page at `url` with `title` has loaded.
    void finish(const QString &url, const QString &title);

    QStringList commands; // "navigate:<address>", "back", "forward", "home", "refresh", "stop"

private:
    QWidget *m_widget;
    QString m_url;
    QString m_title;
    bool m_busy = false;
};

class FakeWebBrowserFactory : public WebBrowserFactory
{
public:
    WebBrowser *create(QWidget *parent) override;
    void prepare() override { ++prepared; }
    QList<FakeWebBrowser *> created;
    int prepared = 0;
};
