#pragma once

#include <QByteArray>
#include <QString>

// Converted documents kept on disk by the content of their source, so a
// lesson's documents convert once whatever they are named or however often
// they are copied. Each entry is a folder "<key>.<format>" holding
// "document.<format>" and whatever the conversion wrote beside it (pictures).
// Kept under a size budget: the least recently used entries go first.
class DocumentCache
{
public:
    static constexpr qint64 kDefaultBudget = 500LL * 1024 * 1024;

    explicit DocumentCache(QString folder, qint64 budgetBytes = kDefaultBudget);

    const QString &folder() const { return m_folder; }
    // Where conversions in progress keep their files.
    QString workFolder() const;

    static QString key(const QByteArray &content);

    // The converted file for this content and format ("html", "pdf"); empty
    // when there is none. A found entry counts as just used.
    QString find(const QString &key, const QString &format) const;
    // Moves a finished conversion's folder into the cache and returns its
    // document file, or an empty string when it could not be kept.
    QString store(const QString &key, const QString &format, const QString &outputFolder);
    // Remembers that converting this content to `format` failed for
    // `reason`, so that it is not tried again; failure() tells it back, empty
    // when none was remembered.
    void rememberFailure(const QString &key, const QString &format, const QString &reason) const;
    QString failure(const QString &key, const QString &format) const;
    // Removes the least recently used entries until the cache fits its budget,
    // and the files of conversions abandoned long ago.
    void trim() const;

    static QString documentName(const QString &format);

private:
    void removeAbandonedWork() const;
    QString entryFolder(const QString &key, const QString &format) const;
    QString failureFile(const QString &key, const QString &format) const;

    QString m_folder;
    qint64 m_budget;
};
