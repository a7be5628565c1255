#pragma once

#include <functional>
#include <QRandomGenerator>

// Numbers in [0, 1) for the windows' random choices (picture, colour, saying);
// tests pass a fixed source to know what is drawn.
using RandomSource = std::function<double()>;

// The given source, or the system's generator when none is given.
inline RandomSource orSystemRandom(RandomSource source)
{
    if (source)
        return source;
    return [] { return QRandomGenerator::global()->generateDouble(); };
}
