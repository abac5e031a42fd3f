// Writes the music fuzzer's starting corpus into the folder given on the
// command line: small MIDI files that use what a file may hold, and the one
// that froze FluidSynth 2.3.

#include "SeedWriter.h"
#include "support/MidiFiles.h"

#include <QByteArray>

#include <initializer_list>
#include <utility>

namespace {

using namespace orvane::test;

// Two unknown chunks, one of them read by FluidSynth as a negative length,
// before a valid track.
QByteArray frozeFluidSynth()
{
    return QByteArray::fromHex(
        "4d546864000000060000000100604a554e4b00000000000000000000000400000000"
        "fffffff0000000004d54726b0000000c00903c6460803c0000ff2f00");
}

// Controller changes on channel 1 in running status, one tick apart.
QByteArray controllers(std::initializer_list<std::pair<int, int>> changes)
{
    QByteArray events;
    for (const auto& [controller, value] : changes) {
        const QByteArray message = bytes({controller, value});
        events += event(events.isEmpty() ? 0 : 1, events.isEmpty() ? "\xb0" + message : message);
    }
    return events;
}

// Format 1: a tempo map with text, then a melody with controllers, registered
// and non-registered parameters and pitch bends, then drums.
QByteArray orchestra()
{
    const QByteArray conductor = event(0, bytes({0xff, 0x03, 4}) + "Song") + tempo(400000) +
                                 event(0, bytes({0xff, 0x58, 4, 4, 2, 24, 8})) +
                                 event(480, bytes({0xff, 0x51, 3, 0x0f, 0x42, 0x40})) +
                                 endOfTrack(480);
    const QByteArray melody =
        controllers({{7, 100}, {10, 64}, {101, 0}, {100, 0}, {6, 12}, {38, 0}}) +
        controllers({{99, 1}, {98, 8}, {6, 80}, {64, 127}}) + programChange(40) + noteOn(0, 60) +
        event(0, bytes({64, 90})) + event(120, bytes({0xe0, 0, 80})) +
        event(120, bytes({0x80, 64, 0})) + event(0, bytes({60, 0})) + event(0, bytes({0xd0, 70})) +
        event(0, bytes({0xa0, 60, 50})) + endOfTrack(240);
    const QByteArray drums = event(0, bytes({0x99, 36, 120})) + event(240, bytes({38, 100})) +
                             event(240, bytes({0x89, 36, 0})) + event(0, bytes({38, 0})) +
                             endOfTrack();
    return midiHeader(1, 3) + chunk("MTrk", conductor) + chunk("MTrk", melody) +
           chunk("MTrk", drums);
}

// Resets and a tuning change as system exclusive messages, one split in two.
QByteArray systemExclusive()
{
    const QByteArray events =
        event(0, bytes({0xf0, 5, 0x7e, 0x7f, 9, 1, 0xf7})) +
        event(0, bytes({0xf0, 10, 0x41, 0x10, 0x42, 0x12, 0x40, 0, 0x7f, 0, 0x41, 0xf7})) +
        event(0, bytes({0xf0, 11, 0x7f, 0x7f, 8, 2, 0, 1, 60, 62, 0, 0, 0xf7})) +
        event(0, bytes({0xf0, 3, 0x43, 0x10, 0x4c})) +
        event(10, bytes({0xf7, 4, 0, 0, 0x7e, 0xf7})) + noteOn(0, 60) +
        noteOff(TicksPerSecond / 2, 60);
    return midiFile(events);
}

// Two independent sequences, a chunk of another kind between them.
QByteArray sequences()
{
    const QByteArray first = noteOn(0, 64) + noteOff(240, 64) + endOfTrack();
    const QByteArray second = noteOn(0, 67) + noteOff(480, 67) + endOfTrack();
    return midiHeader(2, 2, 96) + chunk("MTrk", first) + chunk("XFIH", "info") +
           chunk("MTrk", second);
}

} // namespace

int main(int argc, char** argv)
{
    return orvane::fuzz::writeSeeds(argc, argv,
                                    {{"tune.mid", tuneFile()},
                                     {"froze-fluidsynth.mid", frozeFluidSynth()},
                                     {"orchestra.mid", orchestra()},
                                     {"sysex.mid", systemExclusive()},
                                     {"sequences.mid", sequences()}});
}
