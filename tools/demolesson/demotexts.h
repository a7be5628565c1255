#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

// The words of the demo lesson, written for it: a document that walks a
// newcomer through the desktop, a short reading with questions, three slides
// and a start page.
namespace demotexts {

struct Slide {
    QString title;
    QStringList lines;
    QColor background;
    QString answer;     // comes in on a click; none when empty
    bool fades = false; // the slide fades in
};

QStringList documentParagraphs(); // ten paragraphs
QVector<Slide> slides();          // four slides: a quiz with a click build, one fading in
QString reading();                // the reading, lines ended by CR LF
QString questions();              // questions on the reading, lines ended by LF
QString startPage();              // an HTML page in UTF-8

} // namespace demotexts
