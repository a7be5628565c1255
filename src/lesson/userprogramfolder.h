#pragma once

#include <QString>

// The program folder of one user, for a program installed where it cannot write
// (under /usr). Stored names stay relative to it as to any program folder: its
// set/ is a link to the installed, read-only set/, and its lesson book starts as
// a copy of the installed one (the demo lesson).
class UserProgramFolder
{
public:
    UserProgramFolder(QString installedFolder, QString folder);

    const QString &path() const { return m_folder; }

    // Creates the folder when missing, links set/ to the installed one (again,
    // when the link is broken) and copies the installed lesson book when the
    // user has none yet. Never touches what the user already has. False when
    // the folder cannot be made usable.
    bool prepare() const;

    // True when the executable's folder cannot serve as the program folder: it
    // is not writable, or it lies under /usr, which no program writes (not even
    // one run by root).
    static bool neededFor(const QString &executableFolder);

    // <documents>/Veltano, where documents is the folder `xdg-user-dir DOCUMENTS`
    // names: XDG_DOCUMENTS_DIR of <configHome>/user-dirs.dirs, else the home
    // folder. An empty configHome means <home>/.config.
    static QString defaultPath(const QString &home, const QString &configHome);

private:
    bool linkSetFolder() const;
    bool copyLessonBook() const;

    QString m_installedFolder;
    QString m_folder;
};
