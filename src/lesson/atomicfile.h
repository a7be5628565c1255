#pragma once

#include <QByteArray>
#include <QString>

// Whole-file writes for the program's own files.
namespace atomicfile {

// Makes `bytes` the whole content of the file at `path`. The bytes are written
// and synced to a new file that then replaces the old one in one rename, so a
// failed write (full disk, no permission) or a process killed at any moment
// leaves either the old content or the new one, never a torn file. A file that
// exists but may not be written is refused. On failure `error` receives the reason.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The new content gets its hidden name (".<name>~" beside the file) one system call
// before it replaces the file, and no call replaces a name with an unnamed file; a
// process killed between the two leaves that copy. The program's readers take it away
// when they next open the file, so a killed save leaves nothing behind for long.
void removeLeftover(const QString &path);

} // namespace atomicfile
