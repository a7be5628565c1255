#include "picturecache.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImageReader>
#include <utility>

PictureCache::PictureCache(std::function<QSize()> bound) : m_bound(std::move(bound))
{}

CachedPicture PictureCache::picture(const QString &path)
{
    const auto cached = m_pictures.constFind(path);
    if (cached != m_pictures.constEnd())
        return *cached;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const CachedPicture decoded = decode(path, m_bound());
    QGuiApplication::restoreOverrideCursor();
    if (!decoded.readable)
        m_newFailures.append(path);
    m_pictures.insert(path, decoded);
    return decoded;
}

QStringList PictureCache::takeNewFailures()
{
    return std::exchange(m_newFailures, {});
}

CachedPicture PictureCache::decode(const QString &path, const QSize &bound)
{
    QImageReader reader(path);
    // Camera pictures carry their orientation; teachers expect them upright.
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize upright = turned ? stored.transposed() : stored;
    // Large enough to cover the bound in both directions, since a zoom
    // makes any picture 4:3; never larger than the picture itself.
    const QSize shown = upright.scaled(bound, Qt::KeepAspectRatioByExpanding);
    if (upright.isValid() && !bound.isEmpty() && shown.width() < upright.width())
        reader.setScaledSize(turned ? shown.transposed() : shown);
    CachedPicture picture;
    picture.image = reader.read();
    if (picture.image.isNull())
        return CachedPicture();
    // The painter draws these two formats fastest.
    if (picture.image.format() != QImage::Format_RGB32 &&
        picture.image.format() != QImage::Format_ARGB32_Premultiplied)
        picture.image = picture.image.convertToFormat(
            picture.image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    picture.ownSize = upright.isValid() ? upright : picture.image.size();
    picture.readable = true;
    return picture;
}

QSize largestShownSize(const QSize &workArea)
{
    return workArea * 2 / 3;
}
