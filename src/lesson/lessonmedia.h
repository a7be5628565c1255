#pragma once

#include "lesson/lessonfields.h"

#include <QList>
#include <QString>
#include <QStringList>

class LessonBook;

// What a medium named by a lesson is, which decides how it is checked.
enum class MediaKind { Document, Text, Deck, Flash, AudioVideo, Picture, WebPage, Program };

// One medium named by a lesson (fields 3 to 14) and what a check found.
struct CheckItem {
    enum class Status { Pending, Found, Missing, Unplayable };

    int field = 0; // the lesson record's slot
    int entry = 0; // the name's place in a list field (0 for single names)
    MediaKind kind = MediaKind::Document;
    QString stored; // the name as the lesson holds it
    QString path;   // the local file the desktop or the cover page opens
    Status status = Status::Pending;
    QString reason;         // why it cannot be played
    QStringList candidates; // files of the same name, for a missing one
};

namespace lessonmedia {

// The editor's caption of a field ("文档文件名", "背景音乐1", ...).
QString fieldCaption(int field);

// Every medium the lesson names, resolved as the desktop and the cover page
// resolve them: list names against the lesson book or the program folder (kept
// as they are when the document field names a drive), full paths as stored,
// and names from another machine found below this program folder. The web
// address counts only when it names a file.
QList<CheckItem> itemsOf(const LessonRecord &fields, const LessonBook &book);

// The file to show for a checked medium: its local file, except that a name of
// another machine (with a drive) that was not found here stands as the lesson
// stores it rather than as a local path made from it.
QString shownFile(const CheckItem &item);

// The folder whose files may stand in for a missing medium of the field: the
// lesson book for the document, texts, decks and Flash movies, else the program folder.
QString candidateRoot(int field, const LessonBook &book);

// Files below `root` with the same file name (letter case ignored, as on the
// Windows machine the lesson may come from), the missing path itself excluded.
QStringList sameNameFiles(const QString &missingPath, const QString &root);

} // namespace lessonmedia
