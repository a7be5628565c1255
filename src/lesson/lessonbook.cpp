#include "lessonbook.h"

#include "namecase.h"

#include <QDir>
#include <QFileInfo>

LessonBook::LessonBook(QString programFolder) : m_programFolder(std::move(programFolder))
{}

QString LessonBook::lessonBook() const
{
    return m_programFolder + QStringLiteral("/备课本");
}

QString LessonBook::configArea() const
{
    return lessonBook() + QStringLiteral("/配置区");
}

QString LessonBook::setFolder(const QString &sub) const
{
    const QString set = m_programFolder + QStringLiteral("/set");
    return sub.isEmpty() ? set : set + QLatin1Char('/') + sub;
}

QString LessonBook::sayingsFile() const
{
    return setFolder(QStringLiteral("GoodWords.sys"));
}

bool LessonBook::ensureConfigArea() const
{
    QDir dir;
    if (!dir.exists(lessonBook()) && !dir.mkdir(lessonBook()))
        return false;
    return dir.exists(configArea()) || dir.mkdir(configArea());
}

QString LessonBook::savedLessonFolder(const QString &documentRoot, const QString &chapterTitle)
{
    const QString area = toNativeSeparators(documentRoot) + QStringLiteral("/配置区");
    return chapterTitle.isEmpty() ? area : area + QLatin1Char('/') + chapterTitle;
}

QString LessonBook::savedLessonPath(const QString &documentRoot, const QString &chapterTitle,
                                    const QString &lessonTitle)
{
    return savedLessonFolder(documentRoot, chapterTitle) + QLatin1Char('/') + lessonTitle +
           QStringLiteral(".spz");
}

bool LessonBook::liesBelow(const QString &folder, const QString &root)
{
    if (root.isEmpty() || !folder.startsWith(root, Qt::CaseSensitive))
        return false;
    // "备课本旧" begins with "备课本" but is a folder beside it.
    const auto isSeparator = [](QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('\\'); };
    return folder.size() == root.size() || isSeparator(root.back()) || isSeparator(folder.at(root.size()));
}

QString LessonBook::relativeName(const QString &root, const QString &fullPath)
{
    QString rest = fullPath.mid(root.size());
    if (rest.startsWith(QLatin1Char('/')) || rest.startsWith(QLatin1Char('\\')))
        rest.remove(0, 1);
    return toStoredSeparators(rest);
}

QString LessonBook::toNativeSeparators(const QString &storedName)
{
    QString path = storedName;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString LessonBook::toStoredSeparators(const QString &path)
{
    QString stored = path;
    return stored.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

bool LessonBook::isAbsoluteName(const QString &storedName)
{
    if (storedName.startsWith(QLatin1Char('/')))
        return true;
    if (storedName.size() < 2 || storedName.at(1) != QLatin1Char(':'))
        return false;
    const QChar drive = storedName.at(0).toLower();
    return drive >= QLatin1Char('c') && drive <= QLatin1Char('i');
}

bool LessonBook::isRelativeName(const QString &path)
{
    // Any drive, not only the ones a lesson's document field may name.
    const bool drive = path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter();
    return !drive && !path.startsWith(QLatin1Char('/')) && !path.startsWith(QLatin1Char('\\'));
}

QString LessonBook::resolve(const QString &root, const QString &storedName)
{
    if (isAbsoluteName(storedName))
        return toNativeSeparators(storedName);
    QString base = toNativeSeparators(root);
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base + toNativeSeparators(storedName);
}

namespace {

QString lookUp(const QString &folder, const QString &rest, Qt::CaseSensitivity cs)
{
    if (cs == Qt::CaseInsensitive)
        return namecase::findIgnoringCase(folder, rest);
    const QString exact = folder + QLatin1Char('/') + rest;
    return QFileInfo::exists(exact) ? exact : QString();
}

// Lessons written on a Windows machine name files by its drive and install
// folder ("D:\Veltano\set\music\tn.mid"); once the lesson book has been
// copied here, the same files lie below this program folder. Relative names
// (the demo lesson's) make a lesson independent of where the program lies.
QString locateIn(const QString &programFolder, const QString &path, Qt::CaseSensitivity cs)
{
    // Never the process's current folder: the program may be started from anywhere.
    if (LessonBook::isRelativeName(path))
        return lookUp(programFolder, path, cs);
    if (path.startsWith(QLatin1Char('/'))) {
        const QString found = lookUp(QString(), path.mid(1), cs);
        if (!found.isEmpty())
            return found;
    }
    for (const QString &segment : {QStringLiteral("/set/"), QStringLiteral("/备课本/")}) {
        for (int at = path.indexOf(segment, 0, cs); at >= 0; at = path.indexOf(segment, at + 1, cs)) {
            const QString found = lookUp(programFolder, path.mid(at + 1), cs);
            if (!found.isEmpty())
                return found;
        }
    }
    return QString();
}

} // namespace

QString LessonBook::locate(const QString &storedPath) const
{
    const QString path = toNativeSeparators(storedPath);
    if (path.isEmpty() || (path.startsWith(QLatin1Char('/')) && QFileInfo::exists(path)))
        return storedPath;
    // Any exact name before names in another letter case.
    for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        const QString found = locateIn(m_programFolder, path, cs);
        if (!found.isEmpty())
            return found;
    }
    return storedPath;
}

QString LessonBook::openable(const QString &storedPath) const
{
    return toNativeSeparators(locate(storedPath));
}

QString LessonBook::locateFolder(const QString &storedFolder) const
{
    // A folder is found by the rule of files once it ends in a separator.
    const QString asPath = storedFolder + QLatin1Char('\\');
    const QString located = locate(asPath);
    return located == asPath ? storedFolder : located.chopped(1);
}
