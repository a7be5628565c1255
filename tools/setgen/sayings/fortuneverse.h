#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Reads the poem collections of the fortunes-zh package: entries separated by
// "%" lines, title and author wrapped in ANSI colour escapes, then the verse.
class FortuneVerse
{
public:
    struct Poem {
        QString title;  // 《静夜思》
        QString author; // 李白, without life dates
        QStringList lines;
    };

    static QVector<Poem> parse(const QString &text);

    // A verse line fit to stand alone as a saying, ended by a full stop or a
    // question or exclamation mark; an empty text when the line is not verse.
    static QString asSaying(const QString &line);
};
