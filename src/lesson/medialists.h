#pragma once

#include "lesson/lessonfields.h"

#include <QString>
#include <QStringList>

// One of the desktop's media lists: names made absolute (stored form, "\" kept
// until a file is opened), a count and the current position.
struct MediaList {
    QStringList elements;
    int count = 0;
    int position = 0;

    // The element at the position; the position then steps on and starts over
    // at 0 when it reaches the count. Empty for an empty list.
    QString stepOn();
    // The position moved back by `steps`, starting over from the end.
    void stepBack(int steps);
};

// The five lists built from the lesson record at desktop start-up.
struct MediaLists {
    MediaList decks;       // field 5
    MediaList flashMovies; // field 6
    MediaList textFiles;   // field 4
    MediaList pictures;    // field 8
    MediaList media;       // field 7, audio and video
};

// Splits one lesson list field. The field loses its leading spaces and gains
// one trailing space (and is stored back so); every space ends a name. One name
// gives count 1, otherwise the count is one less than the names found, which
// drops the empty name after the editor's trailing space. A name is prefixed
// unless `keepNames`.
MediaList splitMediaField(QString &field, const QString &prefix, bool keepNames);

// Builds the lists in the order 5, 6, 4, 8, 7; empty fields leave their list
// empty. Whether the document field (3) is an absolute name decides for every
// list whether names are kept as they are. Returns true when field 8 had pictures.
bool buildMediaLists(LessonRecord &fields, const QString &programFolder, MediaLists &lists);

// The lesson document named by field 3, in stored form: the field loses its
// leading spaces (and is stored back so); a name with a drive or an absolute
// path stands as it is, any other lies in the lesson book. Empty when the
// field names none.
QString lessonDocumentPath(QString &field, const QString &programFolder);
