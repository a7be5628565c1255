#include "picturefile.h"

#include "lesson/namedfile.h"
#include "picturequirks.h"

#include <mutex>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <QTransform>

namespace {

DecodedPicture refused(const QString &error)
{
    DecodedPicture picture;
    picture.error = error;
    return picture;
}

// The reader's own words are English; the teacher reads Chinese.
QString readerReason(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::FileNotFoundError:
        return QStringLiteral("找不到文件");
    case QImageReader::DeviceError:
        return QStringLiteral("无法读取文件");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("不是能显示的图片格式");
    case QImageReader::InvalidDataError:
        return QStringLiteral("图片数据已损坏");
    default:
        return QStringLiteral("图片无法读出");
    }
}

// libpng allocates the length a chunk declares before reading it, so a few
// bytes can claim gigabytes: every chunk, with its check sum, must fit in the
// bytes that follow it. Files of other formats pass.
bool pngChunksFit(QIODevice &device)
{
    const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!device.seek(0))
        return false;
    if (device.read(signature.size()) != signature)
        return true;
    const qint64 size = device.size();
    qint64 pos = signature.size();
    while (pos < size) {
        if (!device.seek(pos))
            return false;
        const QByteArray header = device.read(8);
        if (header.size() < 8)
            return false;
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        if (length > 0x7fffffffu || pos + 12 + qint64(length) > size)
            return false;
        if (header.endsWith("IEND"))
            return true;
        pos += 12 + qint64(length);
    }
    // Ending without IEND, yet on a chunk's end: the decoder judges that.
    return true;
}

QImage transformed(const QImage &image, QImageIOHandler::Transformations turn)
{
    QImage upright = image.mirrored(turn & QImageIOHandler::TransformationMirror,
                                    turn & QImageIOHandler::TransformationFlip);
    if (turn & QImageIOHandler::TransformationRotate90)
        upright = upright.transformed(QTransform().rotate(90));
    return upright;
}

bool overCeiling(const QSize &size)
{
    return qint64(size.width()) * size.height() * 4 > qint64(kPictureCeilingMegabytes) * 1024 * 1024;
}

QString tooLarge(const QSize &size)
{
    return QStringLiteral("图片太大（%1×%2 像素）").arg(size.width()).arg(size.height());
}

DecodedPicture accepted(QImage image, const QSize &ownSize)
{
    DecodedPicture picture;
    picture.image = std::move(image);
    if (picture.image.format() != QImage::Format_RGB32 &&
        picture.image.format() != QImage::Format_ARGB32_Premultiplied)
        picture.image = picture.image.convertToFormat(
            picture.image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    picture.ownSize = ownSize.isValid() ? ownSize : picture.image.size();
    picture.readable = true;
    return picture;
}

// Why a picture the reader could not decode is not shown: the words for a
// sample depth no reader here takes, else the reader's.
QString unreadable(const QImageReader &reader, QIODevice &device, const picturequirks::TiffLayout &tiff)
{
    if (tiff.bitsPerSample > 8)
        return QStringLiteral("%1 位 TIFF，暂不支持").arg(tiff.bitsPerSample);
    const int precision = picturequirks::jpegPrecision(device);
    if (precision > 8)
        return QStringLiteral("%1 位 JPEG，暂不支持").arg(precision);
    return readerReason(reader.error());
}

// Deeper than 8 bits with each colour in a plane of its own, which Qt's
// reader takes for interleaved samples: libtiff reads it, whole.
DecodedPicture decodeSeparatePlanes(QIODevice &device, const picturequirks::TiffLayout &tiff,
                                    const QSize &bound)
{
    if (overCeiling(tiff.size))
        return refused(tooLarge(tiff.size));
    QImage image = picturequirks::readTiff(device);
    if (image.isNull())
        return refused(QStringLiteral("%1 位 TIFF，暂不支持").arg(tiff.bitsPerSample));
    const QSize ownSize = image.size();
    const QSize shown = ownSize.scaled(bound, Qt::KeepAspectRatioByExpanding);
    if (!bound.isEmpty() && shown.width() < ownSize.width())
        image = image.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return accepted(std::move(image), ownSize);
}

DecodedPicture decode(QImageReader &reader, const QSize &bound)
{
    QIODevice *device = reader.device();
    if (!device->isOpen() && !device->open(QIODevice::ReadOnly))
        return refused(readerReason(QImageReader::DeviceError));
    if (!pngChunksFit(*device) || !device->seek(0))
        return refused(QStringLiteral("PNG 文件不完整"));
    // What the readers miss, looked at before they read.
    const QImageIOHandler::Transformations webpTurn = picturequirks::webpOrientation(*device);
    const picturequirks::TiffLayout tiff = picturequirks::tiffLayout(*device);
    if (!device->seek(0))
        return refused(readerReason(QImageReader::DeviceError));
    if (tiff.bitsPerSample > 8 && tiff.separatePlanes)
        return decodeSeparatePlanes(*device, tiff, bound);
    // Qt's own limit catches what a header does not tell; it is one for the
    // process, and decodes run on more than one thread.
    static std::once_flag ceiling;
    std::call_once(ceiling, [] { QImageReader::setAllocationLimit(kPictureCeilingMegabytes); });
    // Camera pictures carry their orientation; teachers expect them upright.
    // The reader applies a JPEG's; a WebP's is applied here.
    reader.setAutoTransform(true);
    const QImageIOHandler::Transformations ownTurn =
        reader.transformation() == QImageIOHandler::TransformationNone ? webpTurn
                                                                       : QImageIOHandler::TransformationNone;
    const QSize stored = reader.size();
    const bool turned = (reader.transformation() | ownTurn) & QImageIOHandler::TransformationRotate90;
    const QSize upright = turned ? stored.transposed() : stored;
    // Large enough to cover the bound in both directions, since a zoom
    // makes any picture 4:3; never larger than the picture itself.
    const QSize shown = upright.scaled(bound, Qt::KeepAspectRatioByExpanding);
    QSize decoded = stored;
    if (upright.isValid() && !bound.isEmpty() && shown.width() < upright.width()) {
        reader.setScaledSize(turned ? shown.transposed() : shown);
        // Other formats decode whole and scale afterwards.
        if (reader.supportsOption(QImageIOHandler::ScaledSize))
            decoded = reader.scaledSize();
    }
    if (decoded.isValid() && overCeiling(decoded))
        return refused(tooLarge(stored));
    QImage image = reader.read();
    if (image.isNull())
        return refused(unreadable(reader, *device, tiff));
    if (ownTurn != QImageIOHandler::TransformationNone)
        image = transformed(image, ownTurn);
    return accepted(std::move(image), upright);
}

} // namespace

DecodedPicture readPicture(const QString &path, const QSize &bound)
{
    // A missing file the decoder tells as it always has.
    if (const QString why = namedfile::problem(path, MediaKind::Picture);
        !why.isEmpty() && QFileInfo::exists(path))
        return refused(why);
    // Named by its file, the reader also knows the format by the name's suffix.
    QImageReader reader(path);
    return decode(reader, bound);
}

DecodedPicture readPicture(QIODevice &device, const QSize &bound)
{
    QImageReader reader(&device);
    return decode(reader, bound);
}
