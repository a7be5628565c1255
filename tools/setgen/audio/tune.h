#pragma once

#include <QVector>

// A short piece as notes, shared by the MIDI writer and the synthesizer so the
// program's default music exists in both forms from one score.
struct Tune {
    struct Note {
        int pitch;    // MIDI key number; Rest for a pause
        double beats; // length in quarter notes
    };
    struct Voice {
        QVector<Note> notes;
        int program;  // General MIDI instrument, 0-based
        int velocity; // 1..127; also the voice's loudness in the synthesizer
    };
    static constexpr int Rest = -1;

    double beatsPerMinute = 100.0;
    QVector<Voice> voices;

    double seconds() const;

    // A pentatonic zither melody over a slow bass, in the spirit of 高山流水.
    static Tune mountainStream();
    // A light children's song tune with a walking bass.
    static Tune childhood();
};
