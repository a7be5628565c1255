#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

// A picture file as the program shows it: upright, in a format the painter
// draws fastest, with its own size in pixels.
struct DecodedPicture {
    QImage image;
    QSize ownSize;
    bool readable = false;
    // Why it is not readable, in words a teacher can read.
    QString error;
};

// Most memory one decode may take. A picture of up to 64 million pixels
// fits, which is more than any camera or scanner hands a teacher.
constexpr int kPictureCeilingMegabytes = 256;

// The one way the program decodes a picture file: lesson pictures and
// imported ones, the cover, the desktop's background, the lesson check and
// the screens' own pictures. Refused undecoded: a PNG whose chunks claim
// more bytes than the file holds (libpng would allocate the claim), and a
// picture that would take more than the ceiling. With `bound` not empty the
// picture is decoded at the smallest size that still covers it in both
// directions where the format can (a JPEG at 1/2, 1/4 or 1/8), never larger
// than its own size.
DecodedPicture readPicture(const QString &path, const QSize &bound = QSize());
// The same from an open device, read from its start.
DecodedPicture readPicture(QIODevice &device, const QSize &bound = QSize());
