#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// The line form of a lesson (.spz and .txt): up to 15 GBK lines, each ended by CR LF.
namespace lineconfig {

// The longest line a lesson's text may have: room for lists of thousands of
// names, far below what would freeze a window showing it.
constexpr int kMaxLineBytes = 1 << 20;

// Reads up to `maxLines` lines. A line ends at CR; an LF right after a CR is
// skipped; an LF alone is part of the line. Missing lines are simply absent.
// Bytes that cannot be text (a NUL, or a line longer than kMaxLineBytes) stop
// the reading and set `isText` to false.
QStringList readLines(QIODevice &device, int maxLines, bool *isText = nullptr);

// Encodes the lines, each followed by CR LF. Fails (with the index of the first
// line GBK cannot hold) without writing anything.
bool encodeLines(const QStringList &lines, QByteArray *out, int *badLine = nullptr);

} // namespace lineconfig
