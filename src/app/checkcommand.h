#pragma once

#include <cstdio>
#include <QString>

class LessonBook;
class DocumentConverter;
class MediaProbe;

// `veltano --check FILE.spz`: the lesson check for the school's IT staff, as a
// printed report and an exit status, with no window.
namespace checkcommand {

// Sends this process's standard error, and with it what the libraries in it
// and every program it starts say, to the file `logPath` (written afresh), so
// that the terminal shows the report and the check's own errors only. Returns
// the terminal's standard error for those; stderr itself when there is no log.
std::FILE *divertChatter(const QString &logPath);

// Checks the lesson, prints the report and returns the exit status: 0 when all
// is well, 1 otherwise; the check's own errors go to `errors`. Needs a running
// application object for the back ends.
int run(const QString &lessonPath, const LessonBook &book, MediaProbe &probe, DocumentConverter &converter,
        std::FILE *errors);

} // namespace checkcommand
