#pragma once

#include <functional>
#include <QDateTime>
#include <QString>

// Where a saved picture of the ink goes: <lessonBook>/批注/<chapter>-<lesson>-<yyyyMMdd-HHmmss>.png.
// Characters that cannot stand in a file name on either system become "_",
// so a title such as "1/2" names one file rather than a folder. Titles too
// long for a file name are shortened, each keeping its beginning. A name
// `taken` says is in use gets "-2", "-3"... before ".png", so a second save
// in the same second keeps the first picture.
QString inkPicturePath(const QString &lessonBook, const QString &chapter, const QString &lesson,
                       const QDateTime &at, const std::function<bool(const QString &path)> &taken);
