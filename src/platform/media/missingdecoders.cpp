#include "missingdecoders.h"

#include "lesson/namedfile.h"
#include "platform/logic/playerreasons.h"

#include <QFile>
#include <QFileInfo>
#include <QMediaFormat>

namespace {

QMediaFormat::VideoCodec videoCodecOf(mediacodecs::Codec codec)
{
    using C = mediacodecs::Codec;
    switch (codec) {
    case C::H264:
        return QMediaFormat::VideoCodec::H264;
    case C::H265:
        return QMediaFormat::VideoCodec::H265;
    case C::Vp8:
        return QMediaFormat::VideoCodec::VP8;
    case C::Vp9:
        return QMediaFormat::VideoCodec::VP9;
    case C::Av1:
        return QMediaFormat::VideoCodec::AV1;
    case C::Mpeg4:
        return QMediaFormat::VideoCodec::MPEG4;
    default:
        return QMediaFormat::VideoCodec::Unspecified;
    }
}

QMediaFormat::AudioCodec audioCodecOf(mediacodecs::Codec codec)
{
    using C = mediacodecs::Codec;
    switch (codec) {
    case C::Aac:
        return QMediaFormat::AudioCodec::AAC;
    case C::Mp3:
        return QMediaFormat::AudioCodec::MP3;
    case C::Opus:
        return QMediaFormat::AudioCodec::Opus;
    case C::Vorbis:
        return QMediaFormat::AudioCodec::Vorbis;
    case C::Flac:
        return QMediaFormat::AudioCodec::FLAC;
    case C::Ac3:
        return QMediaFormat::AudioCodec::AC3;
    default:
        return QMediaFormat::AudioCodec::Unspecified;
    }
}

} // namespace

QList<mediacodecs::Codec> missingDecoders(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !namedfile::open(file, MediaKind::AudioVideo).isEmpty())
        return {};
    const QList<mediacodecs::Codec> declared = mediacodecs::declaredIn(file);
    QMediaFormat any;
    const QList<QMediaFormat::VideoCodec> videos = any.supportedVideoCodecs(QMediaFormat::Decode);
    const QList<QMediaFormat::AudioCodec> audios = any.supportedAudioCodecs(QMediaFormat::Decode);
    QList<mediacodecs::Codec> missing;
    for (mediacodecs::Codec codec : declared) {
        const bool decoded = mediacodecs::isVideo(codec) ? videos.contains(videoCodecOf(codec))
                                                         : audios.contains(audioCodecOf(codec));
        if (!decoded)
            missing.append(codec);
    }
    return missing.isEmpty() ? declared : missing;
}

QString unopenedStreams(const QString &path, bool hasAudio, bool hasVideo)
{
    if (hasAudio && hasVideo)
        return QString();
    QList<mediacodecs::Codec> lacking = missingDecoders(path);
    lacking.removeIf(
        [=](mediacodecs::Codec codec) { return mediacodecs::isVideo(codec) ? hasVideo : hasAudio; });
    return lacking.isEmpty() ? QString() : mediacodecs::missingDecoderNotice(lacking);
}

QString playerReason(const QString &path, const QString &message)
{
    if (!path.isEmpty() && !QFileInfo::exists(path))
        return playerreasons::missing();
    // GStreamer's words when no decoder of the format is installed.
    if (message.contains(QLatin1String("missing a plug-in")))
        return mediacodecs::missingDecoderNotice(missingDecoders(path));
    return playerreasons::fromBackEnd(message);
}
