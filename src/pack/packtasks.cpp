#include "packtasks.h"

#include "lesson/configfile.h"
#include "lesson/lessonbook.h"
#include "packwriter.h"

#include <QFileInfo>

namespace lessonpack {

bool planLesson(const QString &lessonPath, const LessonBook &book, const QString &documentsFolder,
                PackPlan *plan, QString *error)
{
    LessonRecord fields;
    if (!configfile::read(lessonPath, fields, error))
        return false;
    if (fields[slot::LessonTitle].isEmpty())
        fields[slot::LessonTitle] = QFileInfo(lessonPath).completeBaseName();
    return lessonpack::plan(fields, book, documentsFolder, plan, error);
}

bool preparePack(PackReader &reader, const QString &zipPath, const LessonBook &book, Progress *progress,
                 ImportPreview *preview, QString *error)
{
    return reader.open(zipPath, error) &&
           reader.prepare(book, roomAt(book.lessonBook()), progress, preview, error);
}

QString packedText(const PackPlan &plan, const QString &zipPath)
{
    QString text = QStringLiteral("已将课件和 %1 个文件打包到“%2”。").arg(plan.files.size()).arg(zipPath);
    if (!plan.missing.isEmpty())
        text += QStringLiteral("\n以下文件缺失，未打包：");
    for (const CheckItem &item : plan.missing)
        text += QStringLiteral("\n  %1：%2")
                    .arg(lessonmedia::fieldCaption(item.field), lessonmedia::shownFile(item));
    if (!plan.refused.isEmpty())
        text += QStringLiteral("\n以下文件未打包：");
    for (const CheckItem &item : plan.refused)
        text += QStringLiteral("\n  %1：%2（%3）")
                    .arg(lessonmedia::fieldCaption(item.field), lessonmedia::shownFile(item), item.reason);
    return text;
}

QString outsideText(const PackPlan &plan)
{
    QString text = QStringLiteral("以下 %1 个文件不在本程序文件夹和“文档”文件夹中，会一起打包：")
                       .arg(plan.outside.size());
    for (const QString &path : plan.outside)
        text += QStringLiteral("\n  ") + path;
    return text;
}

QString previewText(const ImportPreview &preview)
{
    QString text = QStringLiteral("课件：%1\n文件：%2 个，共 %3 KB")
                       .arg(escapedControls(preview.lessonMember))
                       .arg(preview.fileCount)
                       .arg((preview.totalSize + 1023) / 1024);
    if (!preview.differing.isEmpty()) {
        text += QStringLiteral("\n本机已有以下文件，内容不同：");
        for (const QString &member : preview.differing)
            text += QStringLiteral("\n  ") + escapedControls(member);
    }
    if (!preview.dropped.isEmpty())
        text += QStringLiteral("\n课件中以下名称指向本程序文件夹之外，导入时删去：");
    for (const QString &name : preview.dropped)
        text += QStringLiteral("\n  ") + escapedControls(name);
    return text;
}

QString unpackedText(const ImportPreview &preview, const QString &lessonPath)
{
    QString text = QStringLiteral("已导入课件“%1”和 %2 个文件。").arg(lessonPath).arg(preview.fileCount);
    if (!preview.dropped.isEmpty())
        text += QStringLiteral("\n课件中以下名称指向本程序文件夹之外，已删去：");
    for (const QString &name : preview.dropped)
        text += QStringLiteral("\n  ") + escapedControls(name);
    return text;
}

} // namespace lessonpack
