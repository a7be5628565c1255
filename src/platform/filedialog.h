#pragma once

#include <optional>
#include <QString>
#include <QStringList>

// What an open-file dialog is asked.
struct OpenFileRequest {
    QString title;
    // "description|patterns|description|patterns…", patterns separated by ";".
    QString filter;
    QString startFolder;
    QString fileName;
    bool multiple = false;
    // The first filter entry lists only files that may be run (programs have
    // no fixed ending here); the other entries list by their patterns alone.
    bool executablesOnly = false;
    // Asks where to save instead: the file need not exist, and replacing one is confirmed.
    bool save = false;
};

// What it answers. `text` is the choice in the several-files form the
// selected-files parser reads: one file is its full path; several files are the
// folder followed by NUL-separated names.
struct OpenFileResult {
    bool cancelled = true;
    QString text;
    QStringList paths; // the chosen full paths, in order
};

// Contract: shows a modal open-file dialog; cancel is reported as `cancelled`,
// never as an empty choice.
class FileDialog
{
public:
    virtual ~FileDialog() = default;
    virtual OpenFileResult getOpenFile(const OpenFileRequest &request) = 0;

    // The one file chosen for the request; none when cancelled.
    std::optional<QString> chooseFile(const OpenFileRequest &request)
    {
        const OpenFileResult chosen = getOpenFile(request);
        if (chosen.cancelled || chosen.paths.isEmpty())
            return std::nullopt;
        return chosen.paths.first();
    }

    // The one file chosen with `filter` (the form of OpenFileRequest::filter),
    // starting in `startFolder`; none when cancelled.
    std::optional<QString> chooseFile(const QString &filter, const QString &startFolder)
    {
        OpenFileRequest request;
        request.filter = filter;
        request.startFolder = startFolder;
        return chooseFile(request);
    }
};

// Turns the "description|patterns|…" filter into the name filters of a Qt dialog.
QStringList qtNameFilters(const QString &filter);
