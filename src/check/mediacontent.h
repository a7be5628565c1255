#pragma once

#include "lessonmedia.h"

#include <QString>

// Checks of a medium's content that need no media back end.
namespace mediacontent {

// Whether the check of this kind needs the media back end (decoding a picture,
// opening audio or video, converting a document or deck).
bool needsBackEnd(MediaKind kind);

// Empty when the file at `path` holds what its kind needs, else why not. The
// file is known to exist. Reads at most the start of the file.
QString check(MediaKind kind, const QString &path);

} // namespace mediacontent
