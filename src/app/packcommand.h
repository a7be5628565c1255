#pragma once

#include <QString>

class LessonBook;

// `veltano --pack LESSON PACK.zip` and `veltano --unpack PACK.zip`, for the
// school's IT staff: what was done is printed, no window opens.
namespace packcommand {

// Exit status 0 when the pack holds every file the lesson names, else 1.
// Files from outside the program and documents folders are listed, and packed
// only with `includeOutside`; without it nothing is written.
int pack(const QString &lessonPath, const QString &zipPath, const LessonBook &book, const QString &version,
         bool includeOutside);

// Unpacks into the lesson book; a file that differs here is kept beside the
// packed one, never overwritten. Exit status 0 when the lesson was unpacked.
int unpack(const QString &zipPath, const LessonBook &book);

} // namespace packcommand
