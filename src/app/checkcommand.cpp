#include "checkcommand.h"

#include "check/lessonchecker.h"
#include "check/logic/checkreport.h"

#include <cstdio>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

namespace checkcommand {

std::optional<QString> fileToCheck(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--check") == 0)
            return i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
    }
    return std::nullopt;
}

int run(const QString &lessonPath, const LessonBook &book, MediaProbe &probe, DocumentConverter &converter)
{
    if (lessonPath.isEmpty()) {
        std::fputs("用法：veltano --check 课件.spz\n", stderr);
        return 1;
    }
    LessonChecker checker(book, probe, converter);
    QEventLoop loop;
    QObject::connect(&checker, &LessonChecker::finished, &loop, &QEventLoop::quit);
    QString error;
    if (!checker.start(QFileInfo(lessonPath).absoluteFilePath(), &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    if (!checker.isFinished())
        loop.exec();
    std::fputs(checkreport::format(lessonPath, checker.items()).toLocal8Bit().constData(), stdout);
    return checkreport::exitCode(checker.items());
}

} // namespace checkcommand
