#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

// Guards the page that may read local files (the Flash host page): of this
// computer's files it may read the program's web folder and the folder of the
// movie it plays, nothing else. Addresses on the web are left to the page.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    LocalFileGuard(QString webFolder, QObject *parent);

    void setMovieFolder(const QString &folder) { m_movieFolder = folder; }
    bool allows(const QUrl &url) const;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    QString m_webFolder;
    QString m_movieFolder;
};
