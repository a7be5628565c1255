#pragma once

// Files as bytes, for tests of what the program reads and writes.

#include "lesson/gbktext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace filebytes {

// Lines in GBK, each ended by CR LF, as the Windows version writes a lesson.
inline QByteArray gbkLines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        QByteArray encoded;
        gbk::encode(line, &encoded);
        out += encoded + "\r\n";
    }
    return out;
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file, creating its folders; returns its path.
inline QString write(const QString &path, const QByteArray &bytes = QByteArray("x"))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace filebytes
