#pragma once

#include <QString>
#include <QStringList>

// The choice of an open-file dialog split into its folder and file names.
struct SelectFileInfo {
    int FileCount = 0;
    QString FilePath;      // the folder, always ending in its separator
    QStringList FileNames; // bare names, in the dialog's order
};

// What a dialog's choice text looks like: one file is its full path; several
// files are the folder followed, for each file, by a NUL character and the name.
// The folder is taken from the text itself ("/" or "\" separated).
// On text that cannot be split, `ok` is false and the record is filled as far
// as it got; the caller shows kSelectFileErrorText.
SelectFileInfo GetDlgSelectFileInfo(const QString &dialogText, bool *ok = nullptr);

// Builds the dialog text for a choice of files in one folder (the inverse of the parser).
QString selectionText(const QString &folder, const QStringList &names);

inline const char *const kSelectFileErrorText = "GetDlgSelectFileInfo函数执行错误！";
inline const char *const kSelectFileErrorTitle = "自定义函数错误";
