#pragma once

#include "lesson/mediacodecs.h"

#include <QList>
#include <QString>

// The codecs the local file at `path` declares that no installed decoder
// plays; all it declares when the media back end claims to decode every one
// of them; none for a file that cannot be read.
QList<mediacodecs::Codec> missingDecoders(const QString &path);
