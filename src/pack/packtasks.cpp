#include "packtasks.h"

#include "lesson/configfile.h"
#include "lesson/lessonbook.h"
#include "packwriter.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace lessonpack {

bool packLesson(const QString &lessonPath, const LessonBook &book, const QString &zipPath,
                const QString &version, PackPlan *plan, QString *error)
{
    LessonRecord fields;
    if (!configfile::read(lessonPath, fields, error))
        return false;
    if (fields[slot::LessonTitle].isEmpty())
        fields[slot::LessonTitle] = QFileInfo(lessonPath).completeBaseName();
    return lessonpack::plan(fields, book, plan, error) && writePack(*plan, zipPath, version, error);
}

bool preparePack(PackReader &reader, const QString &zipPath, const LessonBook &book, ImportPreview *preview,
                 QString *error)
{
    const qint64 room = QStorageInfo(book.programFolder()).bytesAvailable();
    return reader.open(zipPath, error) && reader.prepare(book, room, preview, error);
}

QString packedText(const PackPlan &plan, const QString &zipPath)
{
    QString text = QStringLiteral("已将课件和 %1 个文件打包到“%2”。").arg(plan.files.size()).arg(zipPath);
    if (plan.missing.isEmpty())
        return text;
    text += QStringLiteral("\n以下文件缺失，未打包：");
    for (const CheckItem &item : plan.missing)
        text += QStringLiteral("\n  %1：%2")
                    .arg(lessonmedia::fieldCaption(item.field), lessonmedia::shownFile(item));
    return text;
}

QString previewText(const ImportPreview &preview)
{
    QString text = QStringLiteral("课件：%1\n文件：%2 个，共 %3 KB")
                       .arg(preview.lessonMember)
                       .arg(preview.fileCount)
                       .arg((preview.totalSize + 1023) / 1024);
    if (!preview.differing.isEmpty()) {
        text += QStringLiteral("\n本机已有以下文件，内容不同：");
        for (const QString &member : preview.differing)
            text += QStringLiteral("\n  ") + member;
    }
    return text;
}

QString unpackedText(const ImportPreview &preview, const QString &lessonPath)
{
    return QStringLiteral("已导入课件“%1”和 %2 个文件。").arg(lessonPath).arg(preview.fileCount);
}

} // namespace lessonpack
