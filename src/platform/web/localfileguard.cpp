#include "localfileguard.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool under(const QString &path, const QString &folder)
{
    return !path.isEmpty() && !folder.isEmpty() && path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

LocalFileGuard::LocalFileGuard(QString webFolder, QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent), m_webFolder(std::move(webFolder))
{}

bool LocalFileGuard::allows(const QUrl &url) const
{
    if (!url.isLocalFile())
        return true;
    const QString path = QDir::cleanPath(url.toLocalFile());
    // The program's own folder may be assembled from links; the folder set is
    // taken as it really is, so a link in it leads nowhere else.
    return under(path, QDir::cleanPath(m_webFolder)) ||
           under(QFileInfo(path).canonicalFilePath(), QFileInfo(m_folder).canonicalFilePath());
}

void LocalFileGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (!allows(info.requestUrl()))
        info.block(true);
}
