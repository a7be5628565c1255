#include "userprogramfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <unistd.h>

namespace {

const QString kSet = QStringLiteral("set");
const QString kLessonBook = QStringLiteral("备课本");

// Copies a folder tree; false on the first file or folder that fails.
bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(entry.filePath());
        const bool copied = entry.isDir() ? QDir().mkpath(target) : QFile::copy(entry.filePath(), target);
        if (!copied)
            return false;
    }
    return true;
}

} // namespace

UserProgramFolder::UserProgramFolder(QString installedFolder, QString folder)
    : m_installedFolder(std::move(installedFolder)), m_folder(std::move(folder))
{}

bool UserProgramFolder::prepare() const
{
    if (!QDir().mkpath(m_folder))
        return false;
    return linkSetFolder() && copyLessonBook();
}

bool UserProgramFolder::linkSetFolder() const
{
    const QString link = m_folder + QLatin1Char('/') + kSet;
    const QFileInfo current(link);
    if (current.exists())
        return true;
    // A link left pointing nowhere (the program moved) is renewed.
    if (current.isSymLink() && !QFile::remove(link))
        return false;
    return QFile::link(m_installedFolder + QLatin1Char('/') + kSet, link);
}

bool UserProgramFolder::copyLessonBook() const
{
    const QString book = m_folder + QLatin1Char('/') + kLessonBook;
    const QString installed = m_installedFolder + QLatin1Char('/') + kLessonBook;
    if (QFileInfo::exists(book) || !QFileInfo(installed).isDir())
        return true;
    // Copied aside and renamed at the end, so an interrupted copy is not taken
    // for the user's own lesson book at the next start.
    QDir partial(m_folder + QStringLiteral("/.") + kLessonBook + QStringLiteral(".part"));
    partial.removeRecursively();
    if (!copyTree(installed, partial.path())) {
        partial.removeRecursively();
        return false;
    }
    return QDir().rename(partial.path(), book);
}

bool UserProgramFolder::neededFor(const QString &executableFolder)
{
    if (executableFolder.startsWith(QStringLiteral("/usr/")))
        return true;
    return ::access(QFile::encodeName(executableFolder).constData(), W_OK) != 0;
}

QString UserProgramFolder::defaultPath(const QString &home, const QString &configHome)
{
    const QString config = configHome.isEmpty() ? home + QStringLiteral("/.config") : configHome;
    QString documents = home;
    QFile dirs(config + QStringLiteral("/user-dirs.dirs"));
    if (dirs.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // Lines such as XDG_DOCUMENTS_DIR="$HOME/文档"; the last one counts, as
        // when the shell reads the file.
        static const QRegularExpression line(QStringLiteral("^\\s*XDG_DOCUMENTS_DIR=\"(.*)\"\\s*$"));
        QTextStream in(&dirs);
        while (!in.atEnd()) {
            const QRegularExpressionMatch match = line.match(in.readLine());
            if (!match.hasMatch())
                continue;
            QString value = match.captured(1);
            if (value.startsWith(QStringLiteral("$HOME")))
                value.replace(0, 5, home);
            if (!value.isEmpty())
                documents = value;
        }
    }
    return documents + QStringLiteral("/Veltano");
}
