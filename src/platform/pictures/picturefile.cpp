#include "picturefile.h"

#include <mutex>
#include <QImageReader>
#include <QtEndian>

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

DecodedPicture decode(QImageReader &reader, const QSize &bound)
{
    QIODevice *device = reader.device();
    if (!device->isOpen() && !device->open(QIODevice::ReadOnly))
        return refused(readerReason(QImageReader::DeviceError));
    if (!pngChunksFit(*device) || !device->seek(0))
        return refused(QStringLiteral("PNG 文件不完整"));
    // Qt's own limit catches what a header does not tell; it is one for the
    // process, and decodes run on more than one thread.
    static std::once_flag ceiling;
    std::call_once(ceiling, [] { QImageReader::setAllocationLimit(kPictureCeilingMegabytes); });
    // Camera pictures carry their orientation; teachers expect them upright.
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
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
    if (decoded.isValid() &&
        qint64(decoded.width()) * decoded.height() * 4 > qint64(kPictureCeilingMegabytes) * 1024 * 1024)
        return refused(QStringLiteral("图片太大（%1×%2 像素）").arg(stored.width()).arg(stored.height()));
    DecodedPicture picture;
    picture.image = reader.read();
    if (picture.image.isNull())
        return refused(readerReason(reader.error()));
    if (picture.image.format() != QImage::Format_RGB32 &&
        picture.image.format() != QImage::Format_ARGB32_Premultiplied)
        picture.image = picture.image.convertToFormat(
            picture.image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    picture.ownSize = upright.isValid() ? upright : picture.image.size();
    picture.readable = true;
    return picture;
}

} // namespace

DecodedPicture readPicture(const QString &path, const QSize &bound)
{
    // Named by its file, the reader also knows the format by the name's suffix.
    QImageReader reader(path);
    return decode(reader, bound);
}

DecodedPicture readPicture(QIODevice &device, const QSize &bound)
{
    QImageReader reader(&device);
    return decode(reader, bound);
}
