// Picture files as the program decodes them: any bytes (with any size, turn,
// chunk length or frame count in their header) are refused, with a reason, or
// give an upright image no larger than the picture, scaled down toward the shown
// size, in a format the painter draws; within libFuzzer's memory limit.
#include "fuzzcheck.h"
#include "platform/pictures/picturefile.h"

#include <QBuffer>
#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Image format plugins are found through the application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    const DecodedPicture picture = readPicture(buffer, QSize(64, 48));
    if (!picture.readable) {
        FUZZ_CHECK(picture.image.isNull());
        FUZZ_CHECK(!picture.error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!picture.image.isNull());
    FUZZ_CHECK(picture.ownSize.isValid());
    FUZZ_CHECK(picture.image.format() == QImage::Format_RGB32 ||
               picture.image.format() == QImage::Format_ARGB32_Premultiplied);
    return 0;
}
