#pragma once

#include <functional>
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
// however it ends. While the moves run, a journal in it names each move, so
// that the next start can undo an import killed half-way and give back the
// files it had replaced.
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
    // `afterMove` (for tests) runs after each move with its index.
    bool commit(QString *error, const std::function<void(int)> &afterMove = {});

    // Undoes the moves of killed imports (their replaced files back in place,
    // the files they brought removed) and removes their staging folders.
    static void removeStale(const LessonBook &book);

private:
    struct Move {
        QString staged;
        QString target;
        QString replaced; // where the file the target held waits, if any
    };
    void undo(int moved, const QStringList &madeFolders);
    bool writeJournal();
    static void undoJournal(const QString &folder);

    QString m_lessonBook;
    bool m_madeLessonBook = false;
    QTemporaryDir *m_dir = nullptr;
    QList<Move> m_moves;
    int m_count = 0;
};

} // namespace lessonpack
