#pragma once

#include "editor/logic/editornotice.h"
#include "editorfields.h"

#include <optional>
#include <QString>

// The editor's two file passes besides saving: "读取" and "应用于…".
namespace lessonfiles {

// "读取": empties slots 0..14 of `fields`; a ".spz" or ".txt" file is read into them and
// copied onto the page, a ".gsx" file goes straight onto the page (the record stays empty);
// any other ending reads nothing. An empty web address shows as "http://".
// A file that cannot be opened or read leaves what was read so far.
// `wasRead` tells whether a lesson file of a known form was read: only then does the
// lesson in hand speak for the background lines (a record file brings none).
editorfields::PageTexts readLesson(const QString &path, LessonRecord &fields, bool *wasRead = nullptr);

// "应用于…": rewrites the line file at `path` with its lines 10 to 13 replaced by the
// backgrounds, as exactly 15 lines. Nothing when the file cannot be read (a quiet end);
// otherwise the notice to show, success or the reason it was not written.
std::optional<EditorNotice> applyBackgrounds(const QString &path,
                                             const editorfields::Backgrounds &backgrounds);

} // namespace lessonfiles
