#pragma once

#include <QByteArray>
#include <QString>

// Writing the generators' output files, creating folders on the way. Each
// returns false with a reason in `error` when the file cannot be written.
namespace generatedfile {

bool write(const QString &path, const QByteArray &bytes, QString *error);
// Replaces `target` by a copy of `source` (a result left in a temporary folder).
bool copy(const QString &source, const QString &target, QString *error);

} // namespace generatedfile
