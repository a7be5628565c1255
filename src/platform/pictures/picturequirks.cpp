#include "picturequirks.h"

#include <libexif/exif-data.h>
#include <memory>
#include <QIODevice>
#include <QtEndian>
#include <tiffio.h>

namespace picturequirks {

namespace {

QImageIOHandler::Transformations fromExif(int orientation)
{
    switch (orientation) {
    case 2:
        return QImageIOHandler::TransformationMirror;
    case 3:
        return QImageIOHandler::TransformationRotate180;
    case 4:
        return QImageIOHandler::TransformationFlip;
    case 5:
        return QImageIOHandler::TransformationFlipAndRotate90;
    case 6:
        return QImageIOHandler::TransformationRotate90;
    case 7:
        return QImageIOHandler::TransformationMirrorAndRotate90;
    case 8:
        return QImageIOHandler::TransformationRotate270;
    default:
        return QImageIOHandler::TransformationNone;
    }
}

// The payload of a RIFF chunk of a WebP; empty when there is none.
QByteArray webpChunk(QIODevice &device, const QByteArray &fourcc)
{
    if (!device.seek(0))
        return QByteArray();
    const QByteArray header = device.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8) != "WEBP")
        return QByteArray();
    const qint64 size = device.size();
    qint64 pos = 12;
    // EXIF data is a few kilobytes; a larger chunk is no camera's.
    const quint32 largest = 1024 * 1024;
    while (pos + 8 <= size && device.seek(pos)) {
        const QByteArray chunk = device.read(8);
        if (chunk.size() < 8)
            break;
        const quint32 length = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith(fourcc))
            return length <= largest ? device.read(length) : QByteArray();
        pos += 8 + qint64(length) + (length & 1);
    }
    return QByteArray();
}

struct ExifDataFree {
    void operator()(ExifData *data) const { exif_data_unref(data); }
};

// libtiff reads through the device; nothing it says reaches the terminal.
tmsize_t readDevice(thandle_t handle, void *buffer, tmsize_t size)
{
    return static_cast<QIODevice *>(handle)->read(static_cast<char *>(buffer), size);
}
tmsize_t writeNothing(thandle_t, void *, tmsize_t)
{
    return 0;
}
toff_t seekDevice(thandle_t handle, toff_t offset, int whence)
{
    auto *device = static_cast<QIODevice *>(handle);
    const qint64 base = whence == SEEK_CUR ? device->pos() : whence == SEEK_END ? device->size() : 0;
    return device->seek(base + qint64(offset)) ? toff_t(device->pos()) : toff_t(-1);
}
int closeNothing(thandle_t)
{
    return 0;
}
toff_t deviceSize(thandle_t handle)
{
    return toff_t(static_cast<QIODevice *>(handle)->size());
}
int mapNothing(thandle_t, void **, toff_t *)
{
    return 0;
}
void unmapNothing(thandle_t, void *, toff_t)
{}
int quiet(TIFF *, void *, const char *, const char *, va_list)
{
    return 1;
}

struct TiffClose {
    void operator()(TIFF *tiff) const { TIFFClose(tiff); }
};

std::unique_ptr<TIFF, TiffClose> openTiff(QIODevice &device)
{
    if (!device.seek(0))
        return nullptr;
    const QByteArray magic = device.peek(4);
    if (magic != QByteArray("II*\0", 4) && magic != QByteArray("MM\0*", 4) &&
        magic != QByteArray("II+\0", 4) && magic != QByteArray("MM\0+", 4))
        return nullptr;
    TIFFOpenOptions *options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, quiet, nullptr);
    // Tags of a few kilobytes; a picture's strips are read by the reader.
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, 64 * 1024 * 1024);
    TIFF *tiff = TIFFClientOpenExt("picture", "rm", &device, readDevice, writeNothing, seekDevice,
                                   closeNothing, deviceSize, mapNothing, unmapNothing, options);
    TIFFOpenOptionsFree(options);
    return std::unique_ptr<TIFF, TiffClose>(tiff);
}

} // namespace

QImageIOHandler::Transformations webpOrientation(QIODevice &device)
{
    QByteArray exif = webpChunk(device, "EXIF");
    if (exif.isEmpty())
        return QImageIOHandler::TransformationNone;
    // libexif reads EXIF as a JPEG carries it, after its "Exif" header, which
    // WebP writers mostly leave out.
    const QByteArray header("Exif\0\0", 6);
    if (!exif.startsWith(header))
        exif.prepend(header);
    const std::unique_ptr<ExifData, ExifDataFree> data(
        exif_data_new_from_data(reinterpret_cast<const unsigned char *>(exif.constData()), exif.size()));
    ExifEntry *entry = data ? exif_data_get_entry(data.get(), EXIF_TAG_ORIENTATION) : nullptr;
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->size < 2)
        return QImageIOHandler::TransformationNone;
    return fromExif(exif_get_short(entry->data, exif_data_get_byte_order(data.get())));
}

TiffLayout tiffLayout(QIODevice &device)
{
    const auto tiff = openTiff(device);
    TiffLayout layout;
    if (!tiff)
        return layout;
    uint16_t bits = 1;
    uint16_t planes = PLANARCONFIG_CONTIG;
    uint32_t width = 0;
    uint32_t height = 0;
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_PLANARCONFIG, &planes);
    TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
    layout.bitsPerSample = bits;
    layout.separatePlanes = planes == PLANARCONFIG_SEPARATE;
    layout.size = QSize(int(qMin<uint32_t>(width, INT_MAX)), int(qMin<uint32_t>(height, INT_MAX)));
    return layout;
}

QImage readTiff(QIODevice &device)
{
    const auto tiff = openTiff(device);
    uint32_t width = 0;
    uint32_t height = 0;
    if (!tiff || !TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) || width == 0 || height == 0 ||
        width > INT_MAX / 4 || height > INT_MAX / width)
        return QImage();
    QImage image(int(width), int(height), QImage::Format_ARGB32);
    auto *words = reinterpret_cast<uint32_t *>(image.bits());
    if (image.isNull() || image.bytesPerLine() != qsizetype(width) * 4 ||
        !TIFFReadRGBAImageOriented(tiff.get(), width, height, words, ORIENTATION_TOPLEFT, 0))
        return QImage();
    // libtiff packs its own way: R in the lowest byte.
    for (qsizetype i = 0, count = qsizetype(width) * height; i < count; ++i)
        words[i] = qRgba(TIFFGetR(words[i]), TIFFGetG(words[i]), TIFFGetB(words[i]), TIFFGetA(words[i]));
    return image;
}

int jpegPrecision(QIODevice &device)
{
    if (!device.seek(0) || device.read(2) != "\xFF\xD8")
        return 0;
    // Segments up to the frame header: a marker, then a length that counts itself.
    while (!device.atEnd()) {
        const QByteArray marker = device.read(4);
        if (marker.size() < 4 || uchar(marker.at(0)) != 0xFF)
            return 0;
        const uchar kind = uchar(marker.at(1));
        // SOF0-SOF15 but DHT (C4), JPG (C8) and DAC (CC).
        if (kind >= 0xC0 && kind <= 0xCF && kind != 0xC4 && kind != 0xC8 && kind != 0xCC) {
            const QByteArray precision = device.read(1);
            return precision.isEmpty() ? 0 : uchar(precision.at(0));
        }
        const quint16 length = qFromBigEndian<quint16>(marker.constData() + 2);
        if (length < 2 || !device.seek(device.pos() + length - 2))
            return 0;
    }
    return 0;
}

} // namespace picturequirks
