#include "audio/tune.h"

#include <algorithm>

namespace {

// General MIDI programs (0-based).
constexpr int kAcousticGrandPiano = 0;
constexpr int kKoto = 107;
constexpr int kPizzicatoStrings = 45;

} // namespace

double Tune::seconds() const
{
    double beats = 0;
    for (const Voice &voice : voices) {
        double length = 0;
        for (const Note &note : voice.notes)
            length += note.beats;
        beats = std::max(beats, length);
    }
    return beats * 60.0 / beatsPerMinute;
}

Tune Tune::mountainStream()
{
    // D pentatonic: D E F# A B.
    Tune tune;
    tune.beatsPerMinute = 112;
    tune.voices.append({{{69, 1},   {71, 0.5}, {69, 0.5}, {66, 1},   {64, 1}, {62, 1},   {64, 0.5}, {66, 0.5},
                         {69, 2},   {71, 1},   {74, 0.5}, {71, 0.5}, {69, 1}, {66, 1},   {64, 1},   {66, 0.5},
                         {64, 0.5}, {62, 2},   {66, 1},   {69, 1},   {71, 1}, {74, 1},   {76, 1.5}, {74, 0.5},
                         {71, 2},   {69, 1},   {71, 0.5}, {69, 0.5}, {66, 1}, {64, 0.5}, {66, 0.5}, {62, 4}},
                        kKoto,
                        100});
    tune.voices.append({{{38, 4}, {45, 4}, {43, 4}, {38, 4}, {42, 4}, {47, 4}, {45, 4}, {38, 4}}, kKoto, 70});
    return tune;
}

Tune Tune::childhood()
{
    // C major, two four-bar phrases and a close.
    Tune tune;
    tune.beatsPerMinute = 104;
    tune.voices.append(
        {{{60, 1}, {64, 1}, {67, 1}, {64, 1},   {65, 1},   {69, 1},   {67, 2},   {65, 1}, {64, 1},
          {62, 1}, {64, 1}, {60, 3}, {Rest, 1}, {67, 1},   {67, 0.5}, {69, 0.5}, {67, 1}, {64, 1},
          {65, 1}, {64, 1}, {62, 2}, {64, 1},   {62, 0.5}, {60, 0.5}, {62, 1},   {67, 1}, {60, 4}},
         kAcousticGrandPiano,
         96});
    tune.voices.append({{{48, 2},
                         {55, 2},
                         {53, 2},
                         {48, 2},
                         {53, 2},
                         {55, 2},
                         {48, 2},
                         {43, 2},
                         {48, 2},
                         {52, 2},
                         {53, 2},
                         {55, 2},
                         {43, 2},
                         {47, 2},
                         {48, 4}},
                        kPizzicatoStrings,
                        72});
    return tune;
}
