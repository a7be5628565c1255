#include "namedfile.h"

#include <cerrno>
#include <cstring>
#include <QFile>
#include <sys/stat.h>

namespace namedfile {

namespace {

constexpr qint64 kMegabyte = 1024 * 1024;

QString kindName(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Text:
        return QStringLiteral("文本文件");
    case MediaKind::Document:
        return QStringLiteral("文档");
    case MediaKind::Deck:
        return QStringLiteral("幻灯片");
    case MediaKind::Flash:
        return QStringLiteral("Flash 动画");
    case MediaKind::Picture:
        return QStringLiteral("图片");
    case MediaKind::WebPage:
        return QStringLiteral("网页");
    default:
        return QStringLiteral("文件");
    }
}

QString judged(const QString &path, const struct stat &status, MediaKind kind)
{
    const QString name = QStringLiteral("“%1”").arg(path);
    switch (status.st_mode & S_IFMT) {
    case S_IFREG:
        break;
    case S_IFDIR:
        return name + QStringLiteral("是文件夹，不是文件");
    case S_IFCHR:
    case S_IFBLK:
        return name + QStringLiteral("是设备，不是文件");
    case S_IFIFO:
        return name + QStringLiteral("是管道，不是文件");
    default:
        return name + QStringLiteral("不是普通文件");
    }
    const qint64 most = ceiling(kind);
    if (most > 0 && qint64(status.st_size) > most)
        return name + QStringLiteral("超过%1的上限 %2 MB").arg(kindName(kind)).arg(most / kMegabyte);
    return QString();
}

QString systemReason(const QString &path, int error)
{
    return QStringLiteral("“%1”无法读取：%2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

qint64 ceiling(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Text:
        return 16 * kMegabyte;
    case MediaKind::Flash:
    case MediaKind::WebPage:
        return 64 * kMegabyte;
    case MediaKind::Document:
    case MediaKind::Deck:
    case MediaKind::Picture:
        return 256 * kMegabyte;
    default:
        return 0;
    }
}

QString problem(const QString &path, MediaKind kind)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return systemReason(path, errno);
    return judged(path, status, kind);
}

QString open(QFile &file, MediaKind kind)
{
    const QString path = file.fileName();
    // Judged before opening: opening a pipe waits for a writer that never comes.
    if (const QString why = problem(path, kind); !why.isEmpty())
        return why;
    if (!file.open(QIODevice::ReadOnly))
        return systemReason(path, EIO);
    // And again on what was opened, should the name have changed hands meanwhile.
    struct stat status;
    const QString why =
        ::fstat(file.handle(), &status) == 0 ? judged(path, status, kind) : systemReason(path, errno);
    if (!why.isEmpty())
        file.close();
    return why;
}

} // namespace namedfile
