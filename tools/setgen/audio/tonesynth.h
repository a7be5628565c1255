#pragma once

#include "audio/tune.h"

#include <QByteArray>
#include <QVector>

// Renders a tune as plucked-string tones (decaying harmonics with a soft echo)
// into 16-bit mono PCM, and wraps PCM as a WAV file.
class ToneSynth
{
public:
    explicit ToneSynth(int sampleRate = 44100) : m_sampleRate(sampleRate) {}

    QVector<int16_t> render(const Tune &tune) const;
    QByteArray wavFile(const QVector<int16_t> &samples) const;

private:
    void pluck(QVector<float> &mix, double start, int pitch, double loudness) const;

    int m_sampleRate;
};
