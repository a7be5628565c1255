#pragma once

#include "lesson/mediacodecs.h"

#include <QList>
#include <QString>

// The codecs the local file at `path` declares that no installed decoder
// plays; all it declares when the media back end claims to decode every one
// of them; none for a file that cannot be read.
QList<mediacodecs::Codec> missingDecoders(const QString &path);

// What the back end left out of the local file at `path` that it opened
// with or without sound and picture: a phone's H.265 video without its
// decoder plays as sound alone, with no error. The notice names the
// decoders lacking; empty when every stream the file declares was opened.
QString unopenedStreams(const QString &path, bool hasAudio, bool hasVideo);

// Why the media back end could not play the local file at `path`, in the
// teacher's words: missing, the decoders it lacks, or the back end's `message`.
QString playerReason(const QString &path, const QString &message);
