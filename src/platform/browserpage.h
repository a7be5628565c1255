#pragma once

#include <QWebEnginePage>

class LocalFileGuard;

// A page of the browser. A page the teacher opened from disk reads the files
// of its own folder and below it (its pictures, styles, scripts and the pages
// beside it), loads from the web, and reads nothing else of this computer.
// It opens pages only: an address another program would open (mail, a
// program's own kind of address) is refused and reported.
class BrowserPage : public QWebEnginePage
{
    Q_OBJECT
public:
    BrowserPage(QWebEngineProfile *profile, QObject *parent);

signals:
    void refused(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

private:
    LocalFileGuard *m_guard;
};
