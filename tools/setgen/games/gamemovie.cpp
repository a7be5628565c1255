#include "games/gamemovie.h"

QVector<GameMovie> gameMovies()
{
    return {robotBattle(), sayingsQuiz(), spotTheDifference(), reactionDrum()};
}
