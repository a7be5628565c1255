#pragma once

#include <QDateTime>
#include <QString>

// Where a saved picture of the ink goes: <lessonBook>/批注/<chapter>-<lesson>-<yyyyMMdd-HHmmss>.png.
// Characters that cannot stand in a file name on either system become "_",
// so a title such as "1/2" names one file rather than a folder.
QString inkPicturePath(const QString &lessonBook, const QString &chapter, const QString &lesson,
                       const QDateTime &at);
