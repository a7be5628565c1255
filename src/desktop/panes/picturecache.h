#pragma once

#include "platform/pictures/picturefile.h"

#include <functional>
#include <QDateTime>
#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>

// A picture file as the pane shows it: decoded no larger than the work area.
using CachedPicture = DecodedPicture;

// The largest size, near enough, at which the pane shows a picture on a work
// area of `workArea`: the layouts reduce any picture over half the work area,
// and a zoom stops once the picture is over half its height (4:3, so about
// two thirds of its height wide).
QSize largestShownSize(const QSize &workArea);

// Decodes each picture file once while it stays the same file. Large files are
// decoded straight at the size they can be shown at (a JPEG then decodes at
// 1/2, 1/4 or 1/8 of its size), so a camera picture costs little more than a
// small one; every later showing, a zoom included, scales from this image.
// A file whose size or modification time changed is decoded again; a failure
// is never kept, so a file copied in after its notice shows.
class PictureCache
{
public:
    // `bound` answers the largest size, in device pixels, a picture is shown at.
    explicit PictureCache(std::function<QSize()> bound);

    // The picture of `path` (a native path).
    CachedPicture picture(const QString &path);

private:
    struct Entry {
        qint64 size = -1;
        QDateTime modified;
        CachedPicture picture;
    };

    std::function<QSize()> m_bound;
    QHash<QString, Entry> m_pictures;
};
