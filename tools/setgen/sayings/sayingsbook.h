#pragma once

#include "sayings/fortuneverse.h"
#include "sayings/saying.h"

#include <QByteArray>
#include <QVector>

// The closing screen's sayings file: a saying on every odd line, its source on
// the even line after it; GBK, CRLF line ends, no byte-order mark.
class SayingsBook
{
public:
    // The classics first, then one line of each poem in turn (first lines of all
    // poems, then second lines, …) so the drawn sayings range over every poem.
    // Sayings with a character outside GBK and repeated texts are left out.
    static QVector<Saying> choose(const QVector<Saying> &classics, const QVector<FortuneVerse::Poem> &poems,
                                  int count);

    static QByteArray encode(const QVector<Saying> &sayings);
};
