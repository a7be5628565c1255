#pragma once

#include <QByteArray>
#include <QString>

// The text of a lesson ".txt" file. Files written on Windows are GBK; files
// made on Linux are UTF-8, recognised by being valid UTF-8 (a leading byte
// order mark is dropped). Line ends become "\n".
QString decodeTextFile(const QByteArray &bytes);
