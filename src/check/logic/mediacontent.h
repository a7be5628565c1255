#pragma once

#include "lesson/lessonmedia.h"

#include <QString>

// Checks of a medium's content that need no media back end.
namespace mediacontent {

// What finishes the check of a medium whose content passed check(): nothing,
// the media back end (decoding a picture, opening audio or video), or the
// document converter (a document, a deck, a rich text), as the desktop shows it.
enum class BackEnd { None, MediaProbe, Converter };
BackEnd backEndFor(MediaKind kind, const QString &path);

// Empty when the file at `path` holds what its kind needs, else why not. The
// file is known to exist. Reads at most the start of the file. Documents and
// decks are left to the converter, which knows what it takes.
QString check(MediaKind kind, const QString &path);

} // namespace mediacontent
