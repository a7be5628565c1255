#include "localfileguard.h"

#include "lesson/namecase.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool under(const QString &path, const QString &folder)
{
    return !path.isEmpty() && !folder.isEmpty() && path.startsWith(folder + QLatin1Char('/'));
}

// The path as it really is, links followed; for a missing file its nearest
// existing folder's real path followed by the missing names.
QString realPath(const QString &path)
{
    QString missing;
    QString existing = path;
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        missing.prepend(existing.mid(slash));
        existing.truncate(slash);
    }
    const QString real = QFileInfo(existing.isEmpty() ? QStringLiteral("/") : existing).canonicalFilePath();
    return real.isEmpty() ? QString() : QDir::cleanPath(real + missing);
}

} // namespace

LocalFileGuard::LocalFileGuard(QString webFolder, QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent), m_webFolder(std::move(webFolder))
{}

QUrl LocalFileGuard::route(const QUrl &url) const
{
    if (!url.isLocalFile())
        return url;
    const QString path = QDir::cleanPath(url.toLocalFile());
    // The program's own folder may be assembled from links.
    if (under(path, QDir::cleanPath(m_webFolder)))
        return url;
    const QString found = belowFolder(path);
    if (found.isEmpty())
        return {};
    if (found == path)
        return url;
    QUrl led = QUrl::fromLocalFile(found);
    led.setQuery(url.query());
    led.setFragment(url.fragment());
    return led;
}

// The file `path` names below the base folder: itself where it exists, else
// the name in another letter case, else `path` (missing); empty when the
// path, links followed, leads out of the folder.
QString LocalFileGuard::belowFolder(const QString &path) const
{
    const QString folder = QFileInfo(m_folder).canonicalFilePath();
    const QString real = realPath(path);
    if (!under(real, folder))
        return {};
    if (QFileInfo::exists(path))
        return path;
    const QString found = namecase::findIgnoringCase(folder, real.mid(folder.size() + 1));
    if (found.isEmpty())
        return path;
    // A name matched in another case may itself be a link leading out.
    return under(QFileInfo(found).canonicalFilePath(), folder) ? found : QString();
}

void LocalFileGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl to = route(info.requestUrl());
    if (to.isEmpty())
        info.block(true);
    else if (to != info.requestUrl())
        info.redirect(to);
}
