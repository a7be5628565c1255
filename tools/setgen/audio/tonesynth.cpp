#include "audio/tonesynth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRingSeconds = 2.5; // how long a plucked note is let ring
constexpr double kTailSeconds = 1.5; // silence after the last note for the ring-out
constexpr double kEchoSeconds = 0.19;
constexpr float kEchoGain = 0.28f;
constexpr int kHarmonics = 6;

double frequency(int pitch)
{
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

void appendLittleEndian(QByteArray &out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

} // namespace

void ToneSynth::pluck(QVector<float> &mix, double start, int pitch, double loudness) const
{
    const double f = frequency(pitch);
    const int first = int(start * m_sampleRate);
    const int count = std::min(int(kRingSeconds * m_sampleRate), int(mix.size()) - first);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / m_sampleRate;
        const double attack = std::min(1.0, t / 0.004);
        double v = 0;
        for (int k = 1; k <= kHarmonics && k * f < m_sampleRate / 2.0; ++k)
            v += std::sin(2 * M_PI * k * f * t) * std::exp(-t * (1.2 + 1.1 * k)) / std::pow(k, 1.4);
        mix[first + i] += float(v * attack * loudness);
    }
}

QVector<int16_t> ToneSynth::render(const Tune &tune) const
{
    const double secondsPerBeat = 60.0 / tune.beatsPerMinute;
    QVector<float> mix(int((tune.seconds() + kTailSeconds) * m_sampleRate), 0.0f);
    for (const Tune::Voice &voice : tune.voices) {
        double at = 0;
        for (const Tune::Note &note : voice.notes) {
            if (note.pitch != Tune::Rest)
                pluck(mix, at * secondsPerBeat, note.pitch, voice.velocity / 127.0);
            at += note.beats;
        }
    }

    const int echo = int(kEchoSeconds * m_sampleRate);
    for (int i = echo; i < mix.size(); ++i)
        mix[i] += mix[i - echo] * kEchoGain;

    // Normalise to a comfortable level and fade the last half second.
    float peak = 1e-6f;
    for (float v : mix)
        peak = std::max(peak, std::abs(v));
    const int fade = m_sampleRate / 2;
    QVector<int16_t> samples(mix.size());
    for (int i = 0; i < mix.size(); ++i) {
        const float tail = std::min(1.0f, float(mix.size() - i) / fade);
        samples[i] = int16_t(std::lround(mix[i] / peak * 0.7f * tail * 32767.0f));
    }
    return samples;
}

QByteArray ToneSynth::wavFile(const QVector<int16_t> &samples) const
{
    const uint32_t dataBytes = uint32_t(samples.size()) * 2;
    QByteArray out("RIFF");
    appendLittleEndian(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ");
    appendLittleEndian(out, 16, 4);
    appendLittleEndian(out, 1, 2); // PCM
    appendLittleEndian(out, 1, 2); // mono
    appendLittleEndian(out, uint32_t(m_sampleRate), 4);
    appendLittleEndian(out, uint32_t(m_sampleRate) * 2, 4);
    appendLittleEndian(out, 2, 2);
    appendLittleEndian(out, 16, 2);
    out.append("data");
    appendLittleEndian(out, dataBytes, 4);
    for (int16_t s : samples)
        appendLittleEndian(out, uint16_t(s), 2);
    return out;
}
