#pragma once

#include "lesson/lessonmedia.h"

#include <QString>

class QFile;

// Files a lesson or a pack names come from other computers: one may name a
// device, a pipe or a folder, or a file far larger than its medium ever is,
// and reading it would hang the program or fill its memory. Every reader of
// such a name opens it here.
namespace namedfile {

// The most bytes a file of this medium may hold; 0 where none applies (video
// and sound are streamed, a program is started, not read).
qint64 ceiling(MediaKind kind);

// Empty when `path` is a regular file within the ceiling of `kind`; else a
// notice naming what it is ("是设备，不是文件", "超过文本文件的上限 16 MB").
QString problem(const QString &path, MediaKind kind);

// Opens `file` (its name set) for reading under the same rules, judged again on
// the file opened; on a refusal the file stays closed and the notice is
// returned. A missing or unreadable file gives the system's reason.
QString open(QFile &file, MediaKind kind);

} // namespace namedfile
