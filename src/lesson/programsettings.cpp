#include "programsettings.h"

#include <QDir>
#include <QSettings>

namespace {
const char *const kProjectorKey = "display/projectorScreen";
}

ProgramSettings::ProgramSettings(const QString &folder)
    : m_path(QDir(folder).filePath(QStringLiteral("Veltano.ini")))
{}

QString ProgramSettings::projectorScreen() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    return settings.value(QLatin1String(kProjectorKey)).toString();
}

bool ProgramSettings::setProjectorScreen(const QString &name) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(QLatin1String(kProjectorKey), name);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
