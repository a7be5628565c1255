#include "staging.h"

#include "lesson/lessonbook.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace lessonpack {

namespace {

const char kPrefix[] = ".veltano-import-";
// One line a move: the staged file, where a replaced file waits, the target.
const char kJournal[] = "journal";

bool synced(const QString &path)
{
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool done = file >= 0 && ::fsync(file) == 0;
    if (file >= 0)
        ::close(file);
    return done;
}

bool renamed(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

Staging::Staging(const LessonBook &book) : m_lessonBook(book.lessonBook())
{}

Staging::~Staging()
{
    delete m_dir; // removes the folder and what is still in it
    if (m_madeLessonBook)
        QDir().rmdir(m_lessonBook);
}

bool Staging::create(QString *error)
{
    m_madeLessonBook = !QFileInfo::exists(m_lessonBook);
    if (!QDir().mkpath(m_lessonBook)) {
        *error = QStringLiteral("无法创建“%1”").arg(m_lessonBook);
        return false;
    }
    m_dir = new QTemporaryDir(m_lessonBook + QLatin1Char('/') + QLatin1String(kPrefix) +
                              QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
    if (!m_dir->isValid()) {
        *error = QStringLiteral("无法在“%1”中写入：%2").arg(m_lessonBook, m_dir->errorString());
        return false;
    }
    return true;
}

QString Staging::newFile()
{
    return m_dir->filePath(QString::number(++m_count));
}

void Staging::add(const QString &staged, const QString &target)
{
    m_moves.append({staged, target, newFile()});
}

bool Staging::writeJournal()
{
    QByteArray lines;
    for (const Move &move : std::as_const(m_moves))
        lines +=
            (move.staged + QLatin1Char('\t') + move.replaced + QLatin1Char('\t') + move.target).toUtf8() +
            '\n';
    QFile journal(m_dir->filePath(QLatin1String(kJournal)));
    const bool written = journal.open(QIODevice::WriteOnly) && journal.write(lines) == lines.size();
    journal.close();
    return written && synced(journal.fileName()) && synced(m_dir->path());
}

bool Staging::commit(QString *error, const std::function<void(int)> &afterMove)
{
    // Written through to the disk before any file takes its place.
    const int folder =
        ::open(QFile::encodeName(m_dir->path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = folder >= 0 && ::syncfs(folder) == 0;
    if (folder >= 0)
        ::close(folder);
    if (!synced || !writeJournal()) {
        *error = QStringLiteral("无法写入“%1”").arg(m_lessonBook);
        return false;
    }
    QStringList madeFolders;
    for (int i = 0; i < m_moves.size(); ++i) {
        Move &move = m_moves[i];
        // The folders the target needs, outermost first, to take away again on a failure.
        QStringList missing;
        for (QString path = QFileInfo(move.target).absolutePath(); !QFileInfo::exists(path);
             path = QFileInfo(path).absolutePath())
            missing.prepend(path);
        bool moved = true;
        for (const QString &path : std::as_const(missing)) {
            moved = moved && QDir().mkdir(path);
            if (moved)
                madeFolders.append(path);
        }
        if (moved && QFileInfo::exists(move.target))
            moved = renamed(move.target, move.replaced);
        moved = moved && renamed(move.staged, move.target);
        if (!moved) {
            *error = QStringLiteral("无法写入“%1”：%2，未导入任何文件")
                         .arg(move.target, QString::fromLocal8Bit(std::strerror(errno)));
            undo(i, madeFolders);
            return false;
        }
        if (afterMove)
            afterMove(i);
    }
    // Done: a kill from here on leaves only the staging folder to remove.
    QFile::remove(m_dir->filePath(QLatin1String(kJournal)));
    return true;
}

void Staging::undo(int failed, const QStringList &madeFolders)
{
    for (int i = failed; i >= 0; --i) {
        const Move &move = m_moves.at(i);
        if (i < failed)
            renamed(move.target, move.staged);
        if (QFileInfo::exists(move.replaced))
            renamed(move.replaced, move.target);
    }
    for (auto folder = madeFolders.crbegin(); folder != madeFolders.crend(); ++folder)
        QDir().rmdir(*folder);
}

void Staging::removeStale(const LessonBook &book)
{
    const QDir lessonBook(book.lessonBook());
    const QStringList found = lessonBook.entryList({QLatin1String(kPrefix) + QLatin1Char('*')},
                                                   QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : found) {
        bool number = false;
        const pid_t pid = name.mid(int(sizeof(kPrefix)) - 1).section(QLatin1Char('-'), 0, 0).toInt(&number);
        if (number && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) {
            undoJournal(lessonBook.filePath(name));
            QDir(lessonBook.filePath(name)).removeRecursively();
        }
    }
}

void Staging::undoJournal(const QString &folder)
{
    QFile journal(QDir(folder).filePath(QLatin1String(kJournal)));
    if (!journal.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = journal.readAll().split('\n');
    // Only names inside this staging folder and the lesson book around it are touched.
    const QString lessonBook = QFileInfo(folder).absolutePath() + QLatin1Char('/');
    const auto inside = [&](const QString &path, const QString &root) {
        return path.startsWith(root) && !path.contains(QLatin1String("/../"));
    };
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QStringList move = QString::fromUtf8(*line).split(QLatin1Char('\t'));
        if (move.size() != 3 || !inside(move[0], folder + QLatin1Char('/')) ||
            !inside(move[1], folder + QLatin1Char('/')) || !inside(move[2], lessonBook))
            continue;
        const QString &staged = move[0], &replaced = move[1], &target = move[2];
        if (QFileInfo::exists(replaced))
            renamed(replaced, target); // the teacher's file back over the one brought in
        else if (!QFileInfo::exists(staged) && QFileInfo(target).isFile())
            QFile::remove(target); // brought in where nothing was
        else
            continue;
        // Folders the move made, now empty again.
        for (QString path = QFileInfo(target).absolutePath();
             path.startsWith(lessonBook) && QDir().rmdir(path); path = QFileInfo(path).absolutePath()) {
        }
    }
}

} // namespace lessonpack
