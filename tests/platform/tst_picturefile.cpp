#include "platform/pictures/picturefile.h"
#include "support/filebytes.h"

#include <QBuffer>
#include <QtTest>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kClaimsTwoGigabytes =
    QStringLiteral(VELTANO_TEST_DATA "/fuzz/fuzz_pictureheader/png-5x4-libpng-2gb.png");

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

DecodedPicture fromBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readPicture(buffer);
}

// Highest resident memory, in MiB, of this process (RUSAGE_SELF) or of its
// waited-for children (RUSAGE_CHILDREN).
long peakMegabytes(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

class PictureFileTest : public QObject
{
    Q_OBJECT
private slots:
    // Today's picture files decode through the plugins the package brings:
    // a screenshot's PNG, WebP, TIFF and a drawing's SVG, at their own size.
    void todaysPictureKindsDecode()
    {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(QColor(200, 40, 40));
        for (const char *format : {"PNG", "WEBP", "TIFF"}) {
            const DecodedPicture decoded = fromBytes(encoded(picture, format));
            QVERIFY2(decoded.readable, format);
            QCOMPARE(decoded.ownSize, QSize(64, 48));
            QVERIFY(decoded.image.pixelColor(10, 10).red() > 150);
        }
        QTemporaryDir dir;
        QFile svg(dir.filePath(QStringLiteral("drawing.svg")));
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"80\" height=\"60\">"
                  "<rect width=\"80\" height=\"60\" fill=\"#0000ff\"/></svg>");
        svg.close();
        const DecodedPicture drawing = readPicture(svg.fileName());
        QVERIFY2(drawing.readable, qPrintable(drawing.error));
        QCOMPARE(drawing.ownSize, QSize(80, 60));
        QCOMPARE(drawing.image.pixelColor(40, 30), QColor(0, 0, 255));
    }

    // libpng allocates the length a chunk declares: 240 bytes claiming 2 GB
    // are refused before any decoding, from a file and from memory alike.
    void chunksClaimingMoreThanTheFileAreRefusedUndecoded()
    {
        // A child decodes it; it starts as large as this process, the claim would add 2 GB.
        const pid_t child = fork();
        if (child == 0)
            _exit(readPicture(kClaimsTwoGigabytes).readable ? 1 : 0);
        QVERIFY(waitpid(child, nullptr, 0) == child);
        QVERIFY2(peakMegabytes(RUSAGE_CHILDREN) < peakMegabytes(RUSAGE_SELF) + 64,
                 "decoding the 240-byte PNG took more memory than the process had");
        const DecodedPicture claim = readPicture(kClaimsTwoGigabytes);
        QVERIFY(!claim.readable && claim.image.isNull());
        QCOMPARE(claim.error, QStringLiteral("PNG 文件不完整"));
        QCOMPARE(fromBytes(filebytes::readAll(kClaimsTwoGigabytes)).error, claim.error);

        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        const QByteArray png = encoded(image, "PNG");
        QCOMPARE(fromBytes(png).ownSize, QSize(40, 30));
        // Cut inside its last chunk, as a copy broken off would be.
        QVERIFY(!fromBytes(png.left(png.size() - 5)).readable);
        // Whatever the reader says goes to the teacher in Chinese.
        QCOMPARE(fromBytes(png.mid(100)).error, QStringLiteral("不是能显示的图片格式"));
        QCOMPARE(readPicture(QStringLiteral("/nonexistent/a.png")).error, QStringLiteral("无法读取文件"));
    }

    // A header promising more pixels than the ceiling is refused with its size,
    // before anything is allocated; other formats pass the chunk check.
    void picturesOverTheCeilingAreRefusedBeforeDecoding()
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        QByteArray bmp = encoded(image, "BMP");
        QVERIFY(fromBytes(bmp).readable);
        // 9000 by 9000 pixels: 324 MB decoded.
        bmp.replace(18, 8, QByteArray::fromHex("2823000028230000"));
        const DecodedPicture huge = fromBytes(bmp);
        QVERIFY(!huge.readable);
        QCOMPARE(huge.error, QStringLiteral("图片太大（9000×9000 像素）"));
    }

    // Files other programs wrote that Qt's readers alone get wrong: a WebP
    // turned by its EXIF (cwebp, then exiftool), a 16-bit TIFF in separate
    // planes and a BigTIFF (ImageMagick) show upright and in their colours;
    // a 16-bit CMYK TIFF (ImageMagick) and a 12-bit JPEG (GDAL) are named.
    void camerasAndScannersFilesShowOrAreNamed()
    {
        const auto picture = [](const char *name, const QSize &bound = QSize()) {
            return readPicture(QStringLiteral(VELTANO_TEST_DATA "/pictures/") + QLatin1String(name), bound);
        };
        // Stored 40 by 20, red left and blue right; turned a quarter clockwise.
        for (const QSize &bound : {QSize(), QSize(10, 20)}) {
            const DecodedPicture turned = picture("exif-turned-cwebp.webp", bound);
            QVERIFY2(turned.readable, qPrintable(turned.error));
            QCOMPARE(turned.ownSize, QSize(20, 40));
            QCOMPARE(turned.image.size(), bound.isEmpty() ? QSize(20, 40) : bound);
            const QImage &shown = turned.image;
            QVERIFY(shown.pixelColor(shown.width() / 2, 1).red() > 200);
            QVERIFY(shown.pixelColor(shown.width() / 2, shown.height() - 2).blue() > 200);
        }
        for (const char *name : {"planes16-imagemagick.tif", "bigtiff-imagemagick.tif"}) {
            const DecodedPicture sideBySide = picture(name);
            QVERIFY2(sideBySide.readable, name);
            QCOMPARE(sideBySide.ownSize, QSize(40, 20));
            QCOMPARE(sideBySide.image.pixelColor(2, 10), QColor(Qt::red));
            QCOMPARE(sideBySide.image.pixelColor(37, 10), QColor(Qt::blue));
        }
        QCOMPARE(picture("cmyk16-imagemagick.tif").error, QStringLiteral("16 位 TIFF，暂不支持"));
        QCOMPARE(picture("precision12-gdal.jpg").error, QStringLiteral("12 位 JPEG，暂不支持"));
    }
};

QTEST_GUILESS_MAIN(PictureFileTest)
#include "tst_picturefile.moc"
