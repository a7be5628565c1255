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

private:
    QString m_path;
};
