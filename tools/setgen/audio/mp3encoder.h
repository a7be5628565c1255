#pragma once

#include <QByteArray>
#include <QString>

// Encodes a WAV file to MP3 with GStreamer's command-line pipeline (LAME).
class Mp3Encoder
{
public:
    // Returns false with a reason in `error` when the pipeline is missing or fails.
    static bool encode(const QByteArray &wav, const QString &mp3Path, QString *error);
};
