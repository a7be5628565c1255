#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Every file of the program holds its texts in code page 936 (GBK).
namespace gbk {

QString decode(const QByteArray &bytes);

// Returns false (and leaves `out` unspecified) when a character has no GBK form,
// so callers can refuse the text instead of storing a "?".
bool encode(const QString &text, QByteArray *out);

// Encodes the texts in order with one encoder. Stops at the first text GBK cannot
// hold, returning false with its index in `badIndex`.
bool encodeAll(const QStringList &texts, QList<QByteArray> *out, int *badIndex = nullptr);

// Byte length of the text in GBK; characters without a GBK form count as one byte.
int byteLength(const QString &text);

} // namespace gbk
