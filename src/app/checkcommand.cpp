#include "checkcommand.h"

#include "check/lessonchecker.h"
#include "check/logic/checkreport.h"

#include <cstdio>
#include <fcntl.h>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace checkcommand {

std::FILE *divertChatter(const QString &logPath)
{
    QDir().mkpath(QFileInfo(logPath).absolutePath());
    const int log =
        ::open(QFile::encodeName(logPath).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (log < 0)
        return stderr;
    // Kept from the programs this one starts, which write to the log.
    const int terminal = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    std::FILE *errors = terminal >= 0 ? ::fdopen(terminal, "w") : nullptr;
    if (!errors) {
        if (terminal >= 0)
            ::close(terminal);
        ::close(log);
        return stderr;
    }
    std::fflush(stderr);
    ::dup2(log, STDERR_FILENO);
    ::close(log);
    return errors;
}

int run(const QString &lessonPath, const LessonBook &book, MediaProbe &probe, DocumentConverter &converter,
        std::FILE *errors)
{
    LessonChecker checker(book, probe, converter);
    QEventLoop loop;
    QObject::connect(&checker, &LessonChecker::finished, &loop, &QEventLoop::quit);
    QString error;
    if (!checker.start(lessonPath, &error)) {
        std::fprintf(errors, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    if (!checker.isFinished())
        loop.exec();
    std::fputs(checkreport::format(lessonPath, checker.items()).toLocal8Bit().constData(), stdout);
    return checkreport::exitCode(checker.items());
}

} // namespace checkcommand
