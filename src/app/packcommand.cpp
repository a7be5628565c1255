#include "packcommand.h"

#include "lesson/lessonbook.h"
#include "pack/packtasks.h"

#include <cstdio>

namespace packcommand {

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

} // namespace

int pack(const QString &lessonPath, const QString &zipPath, const LessonBook &book, const QString &version)
{
    lessonpack::PackPlan plan;
    QString error;
    if (!lessonpack::packLesson(lessonPath, book, zipPath, version, &plan, &error)) {
        print(stderr, error);
        return 1;
    }
    print(stdout, lessonpack::packedText(plan, zipPath));
    return plan.missing.isEmpty() ? 0 : 1;
}

int unpack(const QString &zipPath, const LessonBook &book)
{
    lessonpack::PackReader reader;
    lessonpack::ImportPreview preview;
    QString error;
    QString lessonPath;
    if (!lessonpack::preparePack(reader, zipPath, book, &preview, &error) ||
        !reader.unpack(book, lessonpack::OnConflict::KeepBoth, &lessonPath, &error)) {
        print(stderr, error);
        return 1;
    }
    print(stdout, lessonpack::previewText(preview));
    if (!preview.differing.isEmpty())
        print(stdout, QStringLiteral("内容不同的文件两者都保留，包中的文件已改名。"));
    print(stdout, lessonpack::unpackedText(preview, lessonPath));
    return 0;
}

} // namespace packcommand
