#include "mediacodecs.h"

#include <QIODevice>

namespace mediacodecs {

namespace {

struct Mark {
    Codec codec;
    const char *token;
};

// Names a container gives its tracks: MP4 sample entries, Matroska codec ids,
// the first packets of Ogg streams.
const Mark kMarks[] = {
    {Codec::H264, "avc1"},
    {Codec::H264, "avc3"},
    {Codec::H264, "V_MPEG4/ISO/AVC"},
    {Codec::H265, "hvc1"},
    {Codec::H265, "hev1"},
    {Codec::H265, "V_MPEGH/ISO/HEVC"},
    {Codec::Vp8, "vp08"},
    {Codec::Vp8, "V_VP8"},
    {Codec::Vp9, "vp09"},
    {Codec::Vp9, "V_VP9"},
    {Codec::Av1, "av01"},
    {Codec::Av1, "V_AV1"},
    {Codec::Mpeg4, "mp4v"},
    {Codec::Mpeg4, "V_MPEG4/ISO/ASP"},
    {Codec::Aac, "mp4a"},
    {Codec::Aac, "A_AAC"},
    {Codec::Mp3, "A_MPEG/L3"},
    {Codec::Opus, "OpusHead"},
    {Codec::Opus, "A_OPUS"},
    {Codec::Vorbis, "\x01vorbis"},
    {Codec::Vorbis, "A_VORBIS"},
    {Codec::Flac, "\x7F"
                  "FLAC"},
    {Codec::Flac, "A_FLAC"},
    {Codec::Flac, "dfLa"},
    {Codec::Ac3, "ac-3"},
    {Codec::Ac3, "A_AC3"},
};

// The track descriptions lie near the start, or at the end where the file was
// written before its index.
constexpr qint64 kScanned = 1024 * 1024;

QList<Codec> bareStream(const QByteArray &head)
{
    if (head.startsWith("fLaC"))
        return {Codec::Flac};
    if (head.size() >= 2 && uchar(head.at(0)) == 0xFF && (uchar(head.at(1)) & 0xF6) == 0xF0)
        return {Codec::Aac};
    if (head.startsWith("ID3") ||
        (head.size() >= 2 && uchar(head.at(0)) == 0xFF && (uchar(head.at(1)) & 0xE0) == 0xE0))
        return {Codec::Mp3};
    return {};
}

} // namespace

QList<Codec> declaredIn(QIODevice &device)
{
    if (!device.seek(0))
        return {};
    QByteArray scanned = device.read(kScanned);
    const QList<Codec> bare = bareStream(scanned);
    if (!bare.isEmpty())
        return bare;
    if (device.size() > scanned.size() && device.seek(qMax<qint64>(scanned.size(), device.size() - kScanned)))
        scanned += device.read(kScanned);
    QList<Codec> found;
    for (const Mark &mark : kMarks) {
        if (!found.contains(mark.codec) && scanned.contains(mark.token))
            found.append(mark.codec);
    }
    std::sort(found.begin(), found.end());
    return found;
}

QString nameOf(Codec codec)
{
    switch (codec) {
    case Codec::H264:
        return QStringLiteral("H.264 视频");
    case Codec::H265:
        return QStringLiteral("H.265 视频");
    case Codec::Vp8:
        return QStringLiteral("VP8 视频");
    case Codec::Vp9:
        return QStringLiteral("VP9 视频");
    case Codec::Av1:
        return QStringLiteral("AV1 视频");
    case Codec::Mpeg4:
        return QStringLiteral("MPEG-4 视频");
    case Codec::Aac:
        return QStringLiteral("AAC 音频");
    case Codec::Mp3:
        return QStringLiteral("MP3 音频");
    case Codec::Opus:
        return QStringLiteral("Opus 音频");
    case Codec::Vorbis:
        return QStringLiteral("Vorbis 音频");
    case Codec::Flac:
        return QStringLiteral("FLAC 音频");
    case Codec::Ac3:
        return QStringLiteral("AC-3 音频");
    }
    return QString();
}

bool isVideo(Codec codec)
{
    return codec <= Codec::Mpeg4;
}

QString missingDecoderNotice(const QList<Codec> &missing)
{
    QString notice = QStringLiteral("缺少播放这种格式的解码组件（GStreamer 插件）");
    QStringList names;
    for (Codec codec : missing)
        names.append(nameOf(codec));
    if (!names.isEmpty())
        notice += QStringLiteral("：") + names.join(QStringLiteral("、"));
    return notice;
}

} // namespace mediacodecs
