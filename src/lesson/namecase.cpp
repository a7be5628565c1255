#include "namecase.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace namecase {

QString find(const QString &folder, const QString &rest)
{
    const QString exact = folder + QLatin1Char('/') + rest;
    return QFileInfo::exists(exact) ? exact : findIgnoringCase(folder, rest);
}

QString findIgnoringCase(const QString &folder, const QString &rest)
{
    QString found = folder;
    for (const QString &name : rest.split(QLatin1Char('/'))) {
        const QString exact = found + QLatin1Char('/') + name;
        if (name.isEmpty() || QFileInfo::exists(exact)) {
            found = exact;
            continue;
        }
        QStringList entries =
            QDir(found.isEmpty() ? QStringLiteral("/") : found)
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::NoSort);
        std::sort(entries.begin(), entries.end());
        const auto match = std::find_if(entries.cbegin(), entries.cend(), [&name](const QString &entry) {
            return entry.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.cend())
            return QString();
        found += QLatin1Char('/') + *match;
    }
    return QFileInfo::exists(found) ? found : QString();
}

} // namespace namecase
