#pragma once

#include <functional>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// A picture file as the pane shows it: decoded once, no larger than the work
// area, upright, with its own size in pixels.
struct CachedPicture {
    QImage image;
    QSize ownSize;
    bool readable = false;
};

// The largest size, near enough, at which the pane shows a picture on a work
// area of `workArea`: the layouts reduce any picture over half the work area,
// and a zoom stops once the picture is over half its height (4:3, so about
// two thirds of its height wide).
QSize largestShownSize(const QSize &workArea);

// Decodes each picture file once while the desktop lives. Large files are
// decoded straight at the size they can be shown at (a JPEG then decodes at
// 1/2, 1/4 or 1/8 of its size), so a camera picture costs little more than a
// small one; every later showing, a zoom included, scales from this image.
class PictureCache
{
public:
    // `bound` answers the largest size, in device pixels, a picture is shown at.
    explicit PictureCache(std::function<QSize()> bound);

    // The picture of `path` (a native path); decoded on first use.
    CachedPicture picture(const QString &path);

    // Files found unreadable since the last call, each reported once.
    QStringList takeNewFailures();

    // Decodes `path` at the smallest size that still covers `bound` (its own
    // size when that is smaller, or when `bound` is empty).
    static CachedPicture decode(const QString &path, const QSize &bound);

private:
    std::function<QSize()> m_bound;
    QHash<QString, CachedPicture> m_pictures;
    QStringList m_newFailures;
};
