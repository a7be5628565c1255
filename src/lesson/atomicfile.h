#pragma once

#include <QByteArray>
#include <QString>

// Whole-file writes for the program's own files.
namespace atomicfile {

// Makes `bytes` the whole content of the file at `path`. The bytes go to a
// temporary file first, so a failed write (full disk, no permission) leaves
// the old file as it was. On failure `error` receives the reason.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace atomicfile
