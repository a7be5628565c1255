#pragma once

#include <QByteArray>
#include <QString>

// The text of a lesson ".txt" file. A byte order mark decides the encoding
// (UTF-8, UTF-16 or UTF-32, as Notepad saves them) and is dropped. Without one,
// files written on Windows are GBK and files made on Linux UTF-8, recognised
// by being valid UTF-8. Line ends become "\n".
QString decodeTextFile(const QByteArray &bytes);
