#pragma once

#include "lessonfields.h"

#include <QString>
#include <QStringList>

class QIODevice;

// Reading and writing lesson configuration files. Errors come back as text the
// caller can show; nothing here shows a dialog.
namespace configfile {

enum class Form { Line, Record, Unknown };

// The form is told by the last three characters, compared exactly ("spz", "txt", "gsx").
// `lineEndings` lists the endings read as line files ("spz", plus "txt" in the editor).
Form formOf(const QString &path, const QStringList &lineEndings = {QStringLiteral("spz")});

// Line file: lines 1..15 go to slots 0..14; slots beyond the file's end stay as they were.
// Refused, with no slot changed, when the bytes cannot be a lesson's text.
bool readLineFile(QIODevice &device, LessonRecord &fields);

// Record file: its 11 texts go to slots 0..8, 13 and 14; others are untouched.
// Refused when the record is short or a text runs past it.
bool readRecordFile(QIODevice &device, LessonRecord &fields);

// Why a line file was refused: the words a message names it with.
QString notTextReason();

// Reads the file at `path` by its form. Unknown endings read nothing and succeed.
// Returns false with a reason in `error` when the file cannot be opened or read.
bool read(const QString &path, LessonRecord &fields, QString *error,
          const QStringList &lineEndings = {QStringLiteral("spz")});

// The 15 lines of a line file, slots 0..14, GBK with CR LF. Fails on text GBK
// cannot hold, naming the slot in `badSlot`.
bool encodeLineFile(const LessonRecord &fields, QByteArray *out, int *badSlot = nullptr);

} // namespace configfile
