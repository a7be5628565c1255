#pragma once

#include <QString>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

// Guards a page that may read local files: of this computer's files it may
// read the program's folder given here (the Flash host page's emulator) and
// the base folder set for its view (the movie's, or that of a page opened from
// disk) with what is below it, nothing else. Below the base folder a name in
// another letter case leads to the file, as on the Windows machine courseware
// is made on, and a missing file is let through for the page to report as
// missing. Addresses on the web are left to the page.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    LocalFileGuard(QString webFolder, QObject *parent);

    void setFolder(const QString &folder) { m_folder = folder; }
    const QString &folder() const { return m_folder; }

    // Where a request for `url` goes: `url` itself, the file it names in
    // another letter case, or nowhere (an empty address).
    QUrl route(const QUrl &url) const;
    bool allows(const QUrl &url) const { return !route(url).isEmpty(); }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    QString belowFolder(const QString &path) const;

    QString m_webFolder;
    QString m_folder;
};
