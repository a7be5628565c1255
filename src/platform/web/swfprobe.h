#pragma once

#include <QString>

// Checks a Flash movie file before it is handed to the emulator, so that a
// teacher sees why a movie does not play instead of an empty pane.
namespace swfprobe {

enum class Verdict { Playable, Missing, NotFlash, Truncated };

// Reads the file's header: the signature ("FWS", "CWS" or "ZWS"), and for
// uncompressed and zlib-compressed movies that the body is as long as the
// header says.
Verdict check(const QString &path);

// The teacher's words for a verdict other than Playable.
QString describe(Verdict verdict);

} // namespace swfprobe
