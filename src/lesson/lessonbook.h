#pragma once

#include <QString>

// The folder tree beside the program and the rules for names stored in a lesson.
// In memory paths use "/"; stored relative names keep "\" between folders, as
// the Windows version writes them.
class LessonBook
{
public:
    explicit LessonBook(QString programFolder);

    const QString &programFolder() const { return m_programFolder; }
    QString lessonBook() const;                              // <program>/备课本
    QString configArea() const;                              // <program>/备课本/配置区
    QString setFolder(const QString &sub = QString()) const; // <program>/set[/sub]
    QString sayingsFile() const;                             // <program>/set/GoodWords.sys

    // Creates the lesson book and its configuration area when missing.
    bool ensureConfigArea() const;

    // Where the editor saves a lesson: <documentRoot>/配置区[/<chapter>]/<title>.spz
    static QString savedLessonFolder(const QString &documentRoot, const QString &chapterTitle);
    static QString savedLessonPath(const QString &documentRoot, const QString &chapterTitle,
                                   const QString &lessonTitle);

    // Whether the folder holding a file is the root or lies below it (case-sensitive;
    // an empty root holds nothing).
    static bool liesBelow(const QString &folder, const QString &root);

    // The stored form of a file below a root: the part after the root and its
    // separator, with "/" turned into "\". A file directly in the root is its bare name.
    static QString relativeName(const QString &root, const QString &fullPath);

    // A stored name turned into a path that can be opened: "\" becomes "/".
    static QString toNativeSeparators(const QString &storedName);
    // A native path turned into the stored form: "/" becomes "\".
    static QString toStoredSeparators(const QString &path);

    // Joins a root with a stored relative name, unless the name is already absolute
    // (a drive "c:" to "i:" or a path beginning with "/").
    static QString resolve(const QString &root, const QString &storedName);
    static bool isAbsoluteName(const QString &storedName);
    // Neither a drive ("x:") nor a root ("/" or "\") begins it.
    static bool isRelativeName(const QString &name);

    // A path stored by a lesson (background music, pictures, list entries):
    // a full path as it stands when that file exists; else, when it passes
    // through a "set" or "备课本" folder, that part below this program folder
    // if the file is there. A relative name is looked for below this program
    // folder only. Where no exact name is found, each folder and file name is
    // matched regardless of letter case (the exact one, else the first in code
    // point order), as on the Windows machine a lesson comes from. Anything not
    // found is the stored text unchanged.
    QString locate(const QString &storedPath) const;
    // The same for a stored folder (a lesson's document folder).
    QString locateFolder(const QString &storedFolder) const;
    // The located path with "/" between folders, ready to be opened.
    QString openable(const QString &storedPath) const;

private:
    QString m_programFolder;
};
