#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

// One of the games of the program folder, with where a player's first click
// lands on something and where its effect shows (stage pixels, 550 x 400).
struct GameMovie {
    QString fileName; // below set/
    QByteArray swf;
    QPoint firstTarget;
    QRect feedback;
};

GameMovie robotBattle();
GameMovie sayingsQuiz();
GameMovie spotTheDifference();
GameMovie reactionDrum();

// The four games of the desktop's game menu.
QVector<GameMovie> gameMovies();
