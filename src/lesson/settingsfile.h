#pragma once

#include <QByteArray>
#include <QString>

// The teacher's settings: record 2 of the settings file.
struct Settings {
    QString UnitName;
    QString StageSubject;
    QString TeacherName;
};

// The settings file: fixed 128-byte records. Record 1 is reserved, record 2
// holds the three settings texts.
class SettingsFile
{
public:
    explicit SettingsFile(QString path);

    const QString &path() const { return m_path; }
    bool exists() const;

    // Creates the file with its reserved record 1. Returns false when it cannot.
    bool create() const;

    // Reads record 2. A file that cannot be read, has no record 2 or holds lengths
    // running past the record gives empty settings.
    Settings read() const;

    enum class WriteResult { Ok, NotGbk, TooLong, IoError };
    // Writes record 2 in place, keeping record 1 (created if the file is new).
    // The file is replaced atomically, so a failed write leaves the old one.
    // `badField` is 0..2 for the text GBK cannot hold; `error` the I/O reason.
    WriteResult write(const Settings &settings, int *badField = nullptr, QString *error = nullptr) const;

    static QByteArray reservedRecord();

    // The settings held by a file's whole content: empty when record 2 is missing
    // or a length runs past it.
    static Settings parse(const QByteArray &contents);
    // A file's content with record 2 replaced by `record2` (128 bytes); record 1 and
    // any bytes past record 2 are kept, a content shorter than record 1 starts afresh.
    static QByteArray withRecord2(QByteArray contents, const QByteArray &record2);

private:
    QString m_path;
};
