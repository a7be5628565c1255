#include "documentcache.h"

#include <algorithm>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace {

qint64 folderSize(const QString &folder)
{
    qint64 size = 0;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        size += files.fileInfo().size();
    }
    return size;
}

} // namespace

DocumentCache::DocumentCache(QString folder, qint64 budgetBytes)
    : m_folder(std::move(folder)), m_budget(budgetBytes)
{}

QString DocumentCache::workFolder() const
{
    return m_folder + QStringLiteral("/work");
}

QString DocumentCache::key(const QByteArray &content)
{
    return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
}

QString DocumentCache::documentName(const QString &format)
{
    return QStringLiteral("document.") + format;
}

QString DocumentCache::entryFolder(const QString &key, const QString &format) const
{
    return m_folder + QLatin1Char('/') + key + QLatin1Char('.') + format;
}

QString DocumentCache::find(const QString &key, const QString &format) const
{
    const QString file = entryFolder(key, format) + QLatin1Char('/') + documentName(format);
    if (!QFileInfo::exists(file))
        return QString();
    // The modification time orders the entries for trimming.
    QFile document(file);
    if (document.open(QIODevice::ReadWrite))
        document.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    return file;
}

QString DocumentCache::store(const QString &key, const QString &format, const QString &outputFolder)
{
    const QString entry = entryFolder(key, format);
    QDir().mkpath(m_folder);
    // Another copy of the program may have stored the same content meanwhile:
    // its entry is as good, and this output is dropped.
    if (QFileInfo::exists(entry)) {
        QDir(outputFolder).removeRecursively();
    } else if (!QDir().rename(outputFolder, entry)) {
        return QString();
    }
    return find(key, format);
}

QString DocumentCache::failureFile(const QString &key, const QString &format) const
{
    // A file beside the entries' folders, which trimming leaves alone.
    return entryFolder(key, format) + QStringLiteral(".failed");
}

void DocumentCache::rememberFailure(const QString &key, const QString &format, const QString &reason) const
{
    QDir().mkpath(m_folder);
    QSaveFile file(failureFile(key, format));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(reason.toUtf8());
        file.commit();
    }
}

QString DocumentCache::failure(const QString &key, const QString &format) const
{
    QFile file(failureFile(key, format));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(1024)) : QString();
}

void DocumentCache::trim() const
{
    struct Entry {
        QString folder;
        QDateTime used;
        qint64 size;
    };
    std::vector<Entry> entries;
    qint64 total = 0;
    const QFileInfoList folders = QDir(m_folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &info : folders) {
        const QString format = info.suffix();
        if (info.filePath() == workFolder()) {
            removeAbandonedWork();
            continue;
        }
        if (format.isEmpty())
            continue;
        const QFileInfo document(info.filePath() + QLatin1Char('/') + documentName(format));
        const qint64 size = folderSize(info.filePath());
        entries.push_back({info.filePath(), document.lastModified(), size});
        total += size;
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.used < b.used; });
    for (const Entry &entry : entries) {
        if (total <= m_budget)
            break;
        QDir(entry.folder).removeRecursively();
        total -= entry.size;
    }
}

void DocumentCache::removeAbandonedWork() const
{
    // A conversion cut off by a crash leaves its folder behind; no conversion runs for a day.
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    const QFileInfoList jobs = QDir(workFolder()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &job : jobs) {
        if (job.lastModified() < dayAgo)
            QDir(job.filePath()).removeRecursively();
    }
}
