#pragma once

#include "lessonpack.h"
#include "packreader.h"

#include <QString>

class LessonBook;

// The steps the home screen and the command line share, and the texts they show.
namespace lessonpack {

// Reads the lesson file and writes its pack; `plan` tells what went in and
// what was missing.
bool packLesson(const QString &lessonPath, const LessonBook &book, const QString &zipPath,
                const QString &version, PackPlan *plan, QString *error);

// Opens the pack and checks it against the room left in the program folder.
bool preparePack(PackReader &reader, const QString &zipPath, const LessonBook &book, ImportPreview *preview,
                 QString *error);

// "已打包 … 个文件", with the missing files listed as the lesson check lists them.
QString packedText(const PackPlan &plan, const QString &zipPath);
// What the pack holds and which files here it would change.
QString previewText(const ImportPreview &preview);
// The unpacked lesson and where it went.
QString unpackedText(const ImportPreview &preview, const QString &lessonPath);

} // namespace lessonpack
