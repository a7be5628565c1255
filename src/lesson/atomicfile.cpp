#include "atomicfile.h"

#include <cerrno>
#include <fcntl.h>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace atomicfile {

namespace {

QString reason(int errorNumber)
{
    return qt_error_string(errorNumber);
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return ::fdatasync(fd) == 0;
}

// Opens the new content's file in `folder`. Where the file system allows, the file has
// no name while it is written, so a process killed then leaves nothing behind;
// otherwise it is written under `stagingName`.
int openNewContent(const QByteArray &folder, const QByteArray &stagingName, bool *anonymous)
{
    int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    *anonymous = fd >= 0;
    if (fd < 0)
        fd = ::open(stagingName.constData(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0666);
    return fd;
}

QByteArray stagingNameOf(const QFileInfo &real)
{
    return QFile::encodeName(real.absolutePath() + QStringLiteral("/.") + real.fileName()) + '~';
}

QFileInfo realFile(const QString &path)
{
    // A link is followed, so the file it names is the one replaced.
    const QFileInfo target(path);
    return QFileInfo(target.isSymLink() ? target.symLinkTarget() : target.absoluteFilePath());
}

} // namespace

void removeLeftover(const QString &path)
{
    ::unlink(stagingNameOf(realFile(path)).constData());
}

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo target(path);
    if (target.isDir())
        return fail(reason(EISDIR));
    if (target.exists() && !target.isWritable())
        return fail(reason(EACCES));
    const QFileInfo real = realFile(path);
    const QByteArray finalName = QFile::encodeName(real.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(real.absolutePath());
    // One fixed hidden name per file: a copy left by a save killed between naming the
    // new content and putting it in place is replaced by the next save of that file.
    const QByteArray stagingName = stagingNameOf(real);

    bool anonymous = false;
    const int fd = openNewContent(folder, stagingName, &anonymous);
    if (fd < 0)
        return fail(reason(errno));
    struct stat old;
    if (::stat(finalName.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    bool ok = writeAll(fd, bytes);
    int why = errno;
    if (ok && anonymous) {
        ::unlink(stagingName.constData());
        const QByteArray procName = "/proc/self/fd/" + QByteArray::number(fd);
        ok = ::linkat(AT_FDCWD, procName.constData(), AT_FDCWD, stagingName.constData(), AT_SYMLINK_FOLLOW) ==
             0;
        why = errno;
    }
    if (ok) {
        ok = ::rename(stagingName.constData(), finalName.constData()) == 0;
        why = errno;
    }
    ::close(fd);
    if (!ok) {
        ::unlink(stagingName.constData());
        return fail(reason(why));
    }
    // The new name itself reaches the disk too, not only the content.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

} // namespace atomicfile
