#pragma once

#include <QWebEnginePage>

class LocalFileGuard;

// A page of the browser. A page the teacher opened from disk reads the files
// of its own folder and below it (its pictures, styles, scripts and the pages
// beside it), loads from the web, and reads nothing else of this computer.
class BrowserPage : public QWebEnginePage
{
    Q_OBJECT
public:
    BrowserPage(QWebEngineProfile *profile, QObject *parent);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

private:
    LocalFileGuard *m_guard;
};
