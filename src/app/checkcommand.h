#pragma once

#include <QString>

class LessonBook;
class DocumentConverter;
class MediaProbe;

// `veltano --check FILE.spz`: the lesson check for the school's IT staff, as a
// printed report and an exit status, with no window.
namespace checkcommand {

// Checks the lesson, prints the report and returns the exit status: 0 when all
// is well, 1 otherwise. Needs a running application object for the back ends.
int run(const QString &lessonPath, const LessonBook &book, MediaProbe &probe, DocumentConverter &converter);

} // namespace checkcommand
