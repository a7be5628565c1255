#pragma once

#include "editor/logic/editornotice.h"
#include "editorfields.h"

#include <QString>

// "保存": writes the lesson page as a 15-line file below the document folder.
class LessonSaver
{
public:
    struct Outcome {
        bool saved = false;
        QString path;
        EditorNotice notice;
        bool lessonTitleMissing = false;
    };

    // `backgrounds` are the record's slots 9..12 as they stand. With `keepFileBackgrounds`
    // (a save again without reading a file in between) empty backgrounds are taken from
    // the target file when it already exists, so its background lines are not lost.
    // Folders are created one level at a time; the file is replaced atomically.
    static Outcome save(const editorfields::PageTexts &page, const editorfields::Backgrounds &backgrounds,
                        bool keepFileBackgrounds);

    // Why a title cannot be part of a file name, or "" when it can. Besides what Linux
    // refuses ("/" and NUL) the characters Windows refuses are rejected too, so that the
    // lesson book can be copied to either system.
    static QString fileNameProblem(const QString &name);
};
