#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class LessonBook;

namespace lessonpack {

// Where an import writes before anything takes its place: a hidden folder in
// the lesson book (one file system, so each move is a rename), named after
// the process so that the next start can tell a killed import's folder from
// a running one's. Removed with everything in it when the import ends,
// however it ends.
class Staging
{
public:
    explicit Staging(const LessonBook &book);
    ~Staging();
    Staging(const Staging &) = delete;
    Staging &operator=(const Staging &) = delete;

    bool create(QString *error);
    // A new file name in the staging folder.
    QString newFile();
    // `staged` is to become `target` on commit, in the order added.
    void add(const QString &staged, const QString &target);
    // Syncs the staged files, then moves each to its target. A file a target
    // replaces waits in the staging folder until every move has succeeded; on
    // a failure every move is undone and the replaced files are back.
    bool commit(QString *error);

    // Removes staging folders whose process no longer runs.
    static void removeStale(const LessonBook &book);

private:
    struct Move {
        QString staged;
        QString target;
        QString replaced; // where the file the target held waits, if any
    };
    void undo(int moved, const QStringList &madeFolders);

    QString m_lessonBook;
    bool m_madeLessonBook = false;
    QTemporaryDir *m_dir = nullptr;
    QList<Move> m_moves;
    int m_count = 0;
};

} // namespace lessonpack
