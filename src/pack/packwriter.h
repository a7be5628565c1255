#pragma once

#include "lessonpack.h"

#include <QString>

namespace lessonpack {

// Writes the planned pack as a zip at `zipPath` (replaced as a whole, never
// left torn): the lesson, every planned file and the manifest, names in UTF-8
// with the zip's UTF-8 flag. On failure `error` says why.
bool writePack(const PackPlan &plan, const QString &zipPath, const QString &version, QString *error);

} // namespace lessonpack
