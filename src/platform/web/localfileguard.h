#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

// Guards a page that may read local files: of this computer's files it may
// read the program's folder given here (the Flash host page's emulator) and
// the folder set (the movie's, or that of a page opened from disk) with what
// is below it, nothing else. Addresses on the web are left to the page.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    LocalFileGuard(QString webFolder, QObject *parent);

    void setFolder(const QString &folder) { m_folder = folder; }
    const QString &folder() const { return m_folder; }
    bool allows(const QUrl &url) const;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    QString m_webFolder;
    QString m_folder;
};
