#pragma once

#include <QList>
#include <QString>

class QIODevice;

// The codecs an audio or video file declares, read from its container's track
// descriptions (MP4 / QuickTime sample entries, Matroska codec ids, Ogg headers)
// or from a bare stream's first bytes, so that a missing decoder can be named.
namespace mediacodecs {

enum class Codec { H264, H265, Vp8, Vp9, Av1, Mpeg4, Aac, Mp3, Opus, Vorbis, Flac, Ac3 };

// Each codec once, videos first, in the order of the enumeration.
QList<Codec> declaredIn(QIODevice &device);

// "H.265 视频", "AAC 音频".
QString nameOf(Codec codec);

bool isVideo(Codec codec);

// The notice for a medium no installed decoder plays: the codecs lacking a
// decoder by name, when they are known.
QString missingDecoderNotice(const QList<Codec> &missing);

} // namespace mediacodecs
