#pragma once

#include "lessonpack.h"

#include <QString>

namespace lessonpack {

class Progress;

// Writes the planned pack as a zip at `zipPath` (replaced as a whole, never
// left torn): the lesson, every planned file and the manifest, names in UTF-8
// with the zip's UTF-8 flag. Video, sound and pictures are stored as they are:
// deflating them again costs much time for a few per cent. `progress` (may be
// null) counts the bytes and can cancel; cancelled or failed, the file at
// `zipPath` stays as it was. On failure `error` says why.
bool writePack(const PackPlan &plan, const QString &zipPath, const QString &version, Progress *progress,
               QString *error);

} // namespace lessonpack
