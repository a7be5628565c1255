#pragma once

#include <functional>
#include <QWebEnginePage>

class LocalFileGuard;

// A page of the browser. A page the teacher opened from disk reads the files
// of its own folder and below it (its pictures, styles, scripts and the pages
// beside it), loads from the web, and reads nothing else of this computer.
// It opens pages only: an address another program would open (mail, a
// program's own kind of address) is refused and reported. A page that cannot
// be loaded shows no error page of the engine's; its browser says why. A page it opens in
// a new window reads the same folder.
class BrowserPage : public QWebEnginePage
{
    Q_OBJECT
public:
    BrowserPage(QWebEngineProfile *profile, QObject *parent);

    // Makes the page a new window shows; none keeps the link in this page.
    void setWindowOpener(std::function<BrowserPage *()> open) { m_open = std::move(open); }

signals:
    void refused(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    LocalFileGuard *m_guard;
    std::function<BrowserPage *()> m_open;
};
