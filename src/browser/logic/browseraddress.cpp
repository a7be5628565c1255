#include "browseraddress.h"

#include "lesson/lessonbook.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

QString browserAddress(const QString &address, const LessonBook &book)
{
    // Two letters at least: "d:" is a Windows drive, not a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return address;
    if (const QRegularExpressionMatch found = scheme.match(trimmed); found.hasMatch()) {
        const QString rest = trimmed.mid(found.capturedLength());
        return rest.count(QLatin1Char('/')) == rest.size() ? QString() : address;
    }
    const QString path = book.openable(trimmed);
    // A name found nowhere stays relative; it is no file of the current folder either.
    const bool found = !LessonBook::isRelativeName(path) && QFileInfo(path).isFile();
    return found ? QUrl::fromLocalFile(path).toString() : address;
}
