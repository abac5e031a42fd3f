#pragma once
// Standard MIDI files made in memory, and what rendered sound is judged by.

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <vector>

namespace orvane::test {

inline constexpr int SampleRate = 44100; // FluidSynth's default
inline constexpr int TicksPerQuarter = 480;
inline constexpr int TicksPerSecond = 960; // at the default 120 beats per minute
inline constexpr int PianoProgram = 0;
inline constexpr int OrganProgram = 19;
inline constexpr int SustainPedal = 64;

// Peaks of 16-bit output: the synthesizer's dither alone stays under the
// first, any played note goes over the second.
inline constexpr int SilentPeak = 64;
inline constexpr int LoudPeak = 1000;

// The tune most tests play: four piano notes, one second in all.
inline constexpr int TuneNoteTicks = TicksPerSecond / 4;
inline const QList<int> TuneKeys{60, 64, 67, 72};
inline constexpr double TuneSeconds = 1.0;

inline int peakOf(const std::vector<int16_t>& samples)
{
    int peak = 0;
    for (int16_t s : samples)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}

inline QByteArray variableLength(quint32 value)
{
    QByteArray bytes(1, char(value & 0x7f));
    while (value >>= 7)
        bytes.prepend(char((value & 0x7f) | 0x80));
    return bytes;
}

inline QByteArray bigEndian(quint32 value, int size)
{
    QByteArray bytes;
    for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xff));
    return bytes;
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

inline QByteArray event(quint32 delta, const QByteArray& bytes)
{
    return variableLength(delta) + bytes;
}

inline QByteArray programChange(int program)
{
    return event(0, bytes({0xc0, program}));
}

inline QByteArray noteOn(quint32 delta, int key)
{
    return event(delta, bytes({0x90, key, 100}));
}

inline QByteArray noteOff(quint32 delta, int key)
{
    return event(delta, bytes({0x80, key, 0}));
}

inline QByteArray chunk(const char* id, const QByteArray& body)
{
    return id + bigEndian(quint32(body.size()), 4) + body;
}

inline QByteArray midiHeader(int format, int tracks, int division = TicksPerQuarter)
{
    return chunk("MThd", bigEndian(format, 2) + bigEndian(tracks, 2) + bigEndian(division, 2));
}

inline QByteArray endOfTrack(quint32 delta = 0)
{
    return event(delta, bytes({0xff, 0x2f, 0}));
}

inline QByteArray tempo(quint32 microsecondsPerQuarter)
{
    return event(0, bytes({0xff, 0x51, 3}) + bigEndian(microsecondsPerQuarter, 3));
}

// A format 0 file of one track at 120 beats per minute.
inline QByteArray midiFile(const QByteArray& events)
{
    return midiHeader(0, 1) + chunk("MTrk", tempo(500000) + events + endOfTrack());
}

// Four piano notes, TuneSeconds in all.
inline QByteArray tuneFile()
{
    QByteArray events = programChange(PianoProgram);
    for (int key : TuneKeys)
        events += noteOn(0, key) + noteOff(TuneNoteTicks, key);
    return midiFile(events);
}

} // namespace orvane::test
