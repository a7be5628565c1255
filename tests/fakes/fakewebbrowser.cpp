#include "fakewebbrowser.h"

#include <QWidget>

FakeWebBrowser::FakeWebBrowser(QWidget *parent) : WebBrowser(parent), m_widget(new QWidget(parent))
{}

void FakeWebBrowser::Navigate(const QString &address)
{
    commands.append(QStringLiteral("navigate:") + address);
    m_busy = true;
}

void FakeWebBrowser::Stop()
{
    commands.append(QStringLiteral("stop"));
    m_busy = false;
}

void FakeWebBrowser::finish(const QString &url, const QString &title)
{
    m_busy = false;
    m_url = url;
    m_title = title;
    emit NavigateComplete2(url);
    emit DownloadComplete();
}

WebBrowser *FakeWebBrowserFactory::create(QWidget *parent)
{
    auto *browser = new FakeWebBrowser(parent);
    created.append(browser);
    return browser;
}
