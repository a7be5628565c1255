#pragma once

#include <QByteArray>
#include <QStringList>

// Texts packed into one fixed 128-byte record: each is a 2-byte little-endian
// byte count followed by that many GBK bytes, one after another.
namespace recordtexts {

constexpr int kRecordSize = 128;

// Reads `count` texts from the record. Refuses (returns false) when a length
// runs past the record; never reads outside it.
bool unpack(const QByteArray &record, int count, QStringList *texts);

enum class PackResult { Ok, NotGbk, TooLong };

// Packs the texts into a 128-byte record (the rest filled with zeros).
// `badIndex` receives the text GBK cannot hold.
PackResult pack(const QStringList &texts, QByteArray *record, int *badIndex = nullptr);

} // namespace recordtexts
