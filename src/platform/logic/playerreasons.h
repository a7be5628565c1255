#pragma once

#include <QString>

// Why a medium cannot be played, in the teacher's words. The media back end
// (GStreamer) gives its reasons in English; the player's notice and the
// lesson check both say them through here, so they say the same thing.
namespace playerreasons {

// The reason for one of the back end's messages ("Resource not found.",
// "Internal data stream error." ...); a message it does not know still gets
// Chinese words, never the English.
QString fromBackEnd(const QString &message);

// The file is not there.
QString missing();

// The back end found the medium unplayable without a message of its own.
QString unplayable();

// The back end did not answer in time.
QString noAnswer();

// The line shown in place of the medium: which file, and why.
QString notice(const QString &fileName, const QString &reason);

// The line shown while the rest of the medium plays (its sound, say).
QString partNotice(const QString &fileName, const QString &reason);

} // namespace playerreasons
