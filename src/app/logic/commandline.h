#pragma once

#include <QString>
#include <QStringList>

// What the program was asked on its command line: a lesson file to choose at
// start (as a file manager passes it), a lesson to check or to pack, a pack to
// unpack, or its usage or version.
// Read before anything needs a display, so that all of these work without one.
struct CommandLine {
    enum class Request { Run, Check, Pack, Unpack, Help, Version, Error };

    Request request = Request::Run;
    QString lessonPath; // absolute; empty when none was named
    QString error;      // for Error: the argument that was not understood
    QString packPath;   // for Pack and Unpack: the zip, absolute
    // For Pack: files from outside the program and documents folders may go in.
    bool includeOutside = false;

    // Arguments without the program name, the toolkit's own ones (-platform,
    // -display...) among them; a relative lesson path is taken against currentFolder.
    static CommandLine parse(const QStringList &arguments, const QString &currentFolder);

    // True when the locale for messages (LC_ALL, else LC_MESSAGES, else LANG) is Chinese.
    static bool chineseLocale(const QString &lcAll, const QString &lcMessages, const QString &lang);

    static QString helpText(bool chinese);
    static QString versionText(const QString &version);
    // The argument not understood, then the usage.
    static QString errorText(const QString &argument, bool chinese);
};
