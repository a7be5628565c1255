#include "packcommand.h"

#include "lesson/lessonbook.h"
#include "pack/packtasks.h"
#include "pack/packwriter.h"

#include <cstdio>
#include <QStandardPaths>

namespace packcommand {

namespace {

// Names from a pack reach the terminal: control characters in them would
// retitle it, clear it or recolour it, so they are printed escaped.
void print(std::FILE *stream, const QString &text)
{
    std::fputs((lessonpack::escapedControls(text, true) + QLatin1Char('\n')).toLocal8Bit().constData(),
               stream);
}

} // namespace

int pack(const QString &lessonPath, const QString &zipPath, const LessonBook &book, const QString &version,
         bool includeOutside)
{
    lessonpack::PackPlan plan;
    QString error;
    if (!lessonpack::planLesson(lessonPath, book,
                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), &plan,
                                &error)) {
        print(stderr, error);
        return 1;
    }
    if (!plan.outside.isEmpty()) {
        print(includeOutside ? stdout : stderr, lessonpack::outsideText(plan));
        if (!includeOutside) {
            print(stderr, QStringLiteral("未打包。确要打包这些文件，请加上 --include-outside。"));
            return 1;
        }
    }
    if (!lessonpack::writePack(plan, zipPath, version, nullptr, &error)) {
        print(stderr, error);
        return 1;
    }
    print(stdout, lessonpack::packedText(plan, zipPath));
    return plan.missing.isEmpty() && plan.refused.isEmpty() ? 0 : 1;
}

int unpack(const QString &zipPath, const LessonBook &book)
{
    lessonpack::PackReader reader;
    lessonpack::ImportPreview preview;
    QString error;
    QString lessonPath;
    if (!lessonpack::preparePack(reader, zipPath, book, nullptr, &preview, &error) ||
        !reader.unpack(book, lessonpack::OnConflict::KeepBoth, nullptr, &lessonPath, &error)) {
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
