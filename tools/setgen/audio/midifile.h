#pragma once

#include "audio/tune.h"

#include <QByteArray>

// Standard MIDI File, format 1: one track per voice, the tempo in the first.
class MidiFile
{
public:
    static constexpr int TicksPerBeat = 480;

    static QByteArray write(const Tune &tune);

    // Delta times and lengths: 7 bits per byte, high bit set on all but the last.
    static QByteArray variableLength(uint32_t value);

private:
    static QByteArray track(const Tune::Voice &voice, int channel, double beatsPerMinute, bool withTempo);
};
