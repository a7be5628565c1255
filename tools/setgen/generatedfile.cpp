#include "generatedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool generatedfile::write(const QString &path, const QByteArray &bytes, QString *error)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool generatedfile::copy(const QString &source, const QString &target, QString *error)
{
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    if (!QFile::copy(source, target)) {
        *error = QStringLiteral("cannot write %1").arg(target);
        return false;
    }
    return true;
}
