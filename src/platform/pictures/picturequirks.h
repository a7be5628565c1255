#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QString>

class QIODevice;

// What Qt's picture readers miss in files cameras, scanners and imaging
// programs write. Each reads `device` from its start and leaves its position
// anywhere.
namespace picturequirks {

// The orientation a WebP's EXIF chunk gives (Qt's WebP reader ignores it);
// none for a WebP without one and for any other file.
QImageIOHandler::Transformations webpOrientation(QIODevice &device);

// A TIFF's samples as its first directory declares them.
struct TiffLayout {
    int bitsPerSample = 0;
    // Each colour in a plane of its own, which Qt reads as interleaved
    // samples when there are more than 8 bits to a sample.
    bool separatePlanes = false;
    QSize size;
};
// The layout of a TIFF (BigTIFF too); an empty layout for any other file.
TiffLayout tiffLayout(QIODevice &device);
// The TIFF's first picture through libtiff's own RGBA reader, upright; a
// null image when it cannot read it.
QImage readTiff(QIODevice &device);

// The sample precision of a JPEG's frame (8 for the JPEGs Qt reads, 12 for
// some medical and scientific ones); 0 for any other file.
int jpegPrecision(QIODevice &device);

} // namespace picturequirks
