#pragma once

#include "lessonpack.h"
#include "packreader.h"

#include <QString>

class LessonBook;

// The steps the home screen and the command line share, and the texts they show.
namespace lessonpack {

// Reads the lesson file and plans its pack: what goes in, what is missing or
// refused, and which files come from outside the program folder and the
// teacher's documents folder.
bool planLesson(const QString &lessonPath, const LessonBook &book, const QString &documentsFolder,
                PackPlan *plan, QString *error);

// Opens the pack and checks it against the room left in the program folder.
bool preparePack(PackReader &reader, const QString &zipPath, const LessonBook &book, Progress *progress,
                 ImportPreview *preview, QString *error);

// "已打包 … 个文件", with the missing and refused files listed as the lesson check lists them.
QString packedText(const PackPlan &plan, const QString &zipPath);
// The files a pack would take from outside the program and documents folders.
QString outsideText(const PackPlan &plan);
// What the pack holds and which files here it would change.
QString previewText(const ImportPreview &preview);
// The unpacked lesson and where it went.
QString unpackedText(const ImportPreview &preview, const QString &lessonPath);

} // namespace lessonpack
