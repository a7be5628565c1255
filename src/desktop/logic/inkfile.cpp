#include "inkfile.h"

namespace {

QString fileNamePart(QString text)
{
    for (QChar &c : text) {
        if (c < QChar(0x20) || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return text;
}

} // namespace

QString inkPicturePath(const QString &lessonBook, const QString &chapter, const QString &lesson,
                       const QDateTime &at)
{
    return lessonBook + QStringLiteral("/批注/") + fileNamePart(chapter) + QLatin1Char('-') +
           fileNamePart(lesson) + QLatin1Char('-') + at.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral(".png");
}
