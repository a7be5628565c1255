#include "settingsfile.h"

#include "atomicfile.h"
#include "recordtexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SettingsFile::SettingsFile(QString path) : m_path(std::move(path))
{}

bool SettingsFile::exists() const
{
    return QFileInfo::exists(m_path);
}

QByteArray SettingsFile::reservedRecord()
{
    return QByteArray(recordtexts::kRecordSize, '\0');
}

bool SettingsFile::create() const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return atomicfile::write(m_path, reservedRecord());
}

Settings SettingsFile::parse(const QByteArray &contents)
{
    QStringList texts;
    if (!recordtexts::unpack(contents.mid(recordtexts::kRecordSize, recordtexts::kRecordSize), 3, &texts))
        return {};
    return {texts.at(0), texts.at(1), texts.at(2)};
}

QByteArray SettingsFile::withRecord2(QByteArray contents, const QByteArray &record2)
{
    if (contents.size() < recordtexts::kRecordSize)
        contents = reservedRecord();
    // Bytes past record 2 (none written by this program) are kept as they are.
    contents.replace(recordtexts::kRecordSize,
                     qMin<qsizetype>(contents.size() - recordtexts::kRecordSize, recordtexts::kRecordSize),
                     record2);
    return contents;
}

Settings SettingsFile::read() const
{
    atomicfile::removeLeftover(m_path);
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.read(2 * recordtexts::kRecordSize));
}

SettingsFile::WriteResult SettingsFile::write(const Settings &settings, int *badField, QString *error) const
{
    QByteArray record2;
    switch (recordtexts::pack({settings.UnitName, settings.StageSubject, settings.TeacherName}, &record2,
                              badField)) {
    case recordtexts::PackResult::NotGbk:
        return WriteResult::NotGbk;
    case recordtexts::PackResult::TooLong:
        return WriteResult::TooLong;
    case recordtexts::PackResult::Ok:
        break;
    }

    QByteArray contents;
    QFile old(m_path);
    if (old.open(QIODevice::ReadOnly))
        contents = old.readAll();
    old.close();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return atomicfile::write(m_path, withRecord2(contents, record2), error) ? WriteResult::Ok
                                                                            : WriteResult::IoError;
}
