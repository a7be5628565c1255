#pragma once

#include "swf/swfshape.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QVector>

// A short looping animation: shapes that swing around their resting places and
// turn, one display-list depth each.
class SwfMovie
{
public:
    struct Actor {
        SwfShape shape;
        QPoint rest;         // twips on the stage
        QPoint swing;        // largest offset from the resting place
        double turnsPerLoop; // whole turns keep the loop seamless
        double phase;        // 0..1 of the loop
    };

    SwfMovie(QString fileName, QColor background);
    SwfMovie &add(const Actor &actor);

    const QString &fileName() const { return m_fileName; }
    QByteArray render() const;

    // The movie shown while the Flash pane is hidden, named by its path below set/.
    static SwfMovie placeholder();

    static constexpr int StageWidth = 11000; // 550 x 400 pixels
    static constexpr int StageHeight = 8000;
    static constexpr int Frames = 24;

private:
    QString m_fileName;
    QColor m_background;
    QVector<Actor> m_actors;
};
