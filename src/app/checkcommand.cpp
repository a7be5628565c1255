#include "checkcommand.h"

#include "check/lessonchecker.h"
#include "check/logic/checkreport.h"

#include <cstdio>
#include <QCoreApplication>
#include <QEventLoop>

namespace checkcommand {

int run(const QString &lessonPath, const LessonBook &book, MediaProbe &probe, DocumentConverter &converter)
{
    LessonChecker checker(book, probe, converter);
    QEventLoop loop;
    QObject::connect(&checker, &LessonChecker::finished, &loop, &QEventLoop::quit);
    QString error;
    if (!checker.start(lessonPath, &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    if (!checker.isFinished())
        loop.exec();
    std::fputs(checkreport::format(lessonPath, checker.items()).toLocal8Bit().constData(), stdout);
    return checkreport::exitCode(checker.items());
}

} // namespace checkcommand
