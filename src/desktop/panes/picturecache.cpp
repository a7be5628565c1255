#include "picturecache.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>

PictureCache::PictureCache(std::function<QSize()> bound) : m_bound(std::move(bound))
{}

CachedPicture PictureCache::picture(const QString &path)
{
    const QFileInfo file(path);
    const qint64 size = file.size();
    const QDateTime modified = file.lastModified();
    const auto cached = m_pictures.constFind(path);
    if (cached != m_pictures.constEnd() && cached->size == size && cached->modified == modified)
        return cached->picture;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const CachedPicture decoded = readPicture(path, m_bound());
    QGuiApplication::restoreOverrideCursor();
    if (decoded.readable) {
        m_pictures.insert(path, {size, modified, decoded});
        return decoded;
    }
    m_pictures.remove(path);
    return decoded;
}

QSize largestShownSize(const QSize &workArea)
{
    return workArea * 2 / 3;
}
