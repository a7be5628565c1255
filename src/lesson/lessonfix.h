#pragma once

#include <QString>

class LessonBook;

// Mending one name of a lesson file: a missing medium replaced by a file of
// the same name found elsewhere.
namespace lessonfix {

// How `field` stores the file at `path`: relative to the lesson book (document,
// texts, decks, Flash) or to the program folder (audio and video, pictures),
// with "\" between folders; a full path for the background and program fields
// and when the lesson keeps full names (its document field names a drive).
// Empty when the file does not lie below the field's root.
QString storedName(int field, const QString &path, const LessonBook &book, bool keepFullNames);

// The field's text with the name at `entry` replaced; the other names, their
// spaces and the list's final space stay as they were.
QString replaceEntry(const QString &fieldText, int field, int entry, const QString &name);

// Replaces the name in the lesson's line file: only the field's line changes,
// every other byte stays (GBK, CR LF); missing lines up to the field are added
// empty. The file is replaced atomically. False with a reason in `error`.
bool rewrite(const QString &lessonPath, int field, int entry, const QString &name, QString *error);

} // namespace lessonfix
