#include "audio/midifile.h"

#include <cmath>

namespace {

void appendBigEndian(QByteArray &out, uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

QByteArray chunk(const char *type, const QByteArray &body)
{
    QByteArray out(type, 4);
    appendBigEndian(out, static_cast<uint32_t>(body.size()), 4);
    return out + body;
}

} // namespace

QByteArray MidiFile::variableLength(uint32_t value)
{
    QByteArray out(1, static_cast<char>(value & 0x7f));
    while ((value >>= 7) != 0)
        out.prepend(static_cast<char>(0x80 | (value & 0x7f)));
    return out;
}

QByteArray MidiFile::track(const Tune::Voice &voice, int channel, double beatsPerMinute, bool withTempo)
{
    QByteArray events;
    if (withTempo) {
        events.append(variableLength(0));
        events.append("\xff\x51\x03", 3);
        appendBigEndian(events, static_cast<uint32_t>(std::lround(60e6 / beatsPerMinute)), 3);
    }
    events.append(variableLength(0));
    events.append(static_cast<char>(0xc0 | channel));
    events.append(static_cast<char>(voice.program));

    // Notes sound for 95% of their length so repeated keys are heard as two.
    uint32_t pending = 0;
    for (const Tune::Note &note : voice.notes) {
        const uint32_t length = static_cast<uint32_t>(std::lround(note.beats * TicksPerBeat));
        if (note.pitch == Tune::Rest) {
            pending += length;
            continue;
        }
        const uint32_t sounding = length * 95 / 100;
        events.append(variableLength(pending));
        events.append(static_cast<char>(0x90 | channel));
        events.append(static_cast<char>(note.pitch));
        events.append(static_cast<char>(voice.velocity));
        events.append(variableLength(sounding));
        events.append(static_cast<char>(0x80 | channel));
        events.append(static_cast<char>(note.pitch));
        events.append(static_cast<char>(0));
        pending = length - sounding;
    }
    events.append(variableLength(pending));
    events.append("\xff\x2f\x00", 3); // end of track
    return chunk("MTrk", events);
}

QByteArray MidiFile::write(const Tune &tune)
{
    QByteArray header;
    appendBigEndian(header, 1, 2); // format 1
    appendBigEndian(header, static_cast<uint32_t>(tune.voices.size()), 2);
    appendBigEndian(header, TicksPerBeat, 2);
    QByteArray file = chunk("MThd", header);
    for (int i = 0; i < tune.voices.size(); ++i)
        file.append(track(tune.voices.at(i), i, tune.beatsPerMinute, i == 0));
    return file;
}
