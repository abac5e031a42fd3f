#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace orvane {

// FluidSynth 2.3 reads a track count of 128 or more wrongly.
inline constexpr int MaxMidiTracks = 127;
// A track may reach this tick, the largest variable-length number, and no
// further: every delta time then fits one, and FluidSynth's tick arithmetic
// never overflows.
inline constexpr quint32 MaxMidiTick = 0x0fffffff;

// Rebuilds a Standard MIDI File in the one plain form the music device hands
// to FluidSynth, or returns nothing when the bytes cannot be read as one.
//
// Read: a header chunk (format 0, 1 or 2, 1 to MaxMidiTracks tracks, metrical
// time), then chunks whose lengths stay inside the bytes up to the last track
// the header announces; each track chunk is read event by event inside its own
// bounds, with running status, variable-length delta times and lengths. A
// track ends at its End of Track or at the end of its chunk. A format 2 file
// holds independent sequences: only the first one is kept.
//
// Written: a header of length 6 (format 0 for one track, else 1), the track
// chunks alone, every event with its status byte, each track closed by one End
// of Track. Only what sounds is kept: channel messages, complete system
// exclusive messages and tempo changes; other meta events, system exclusive
// continuations and chunks of other kinds are dropped, their delta times
// carried over. The form rebuilds to itself.
std::optional<QByteArray> canonicalMidiFile(QByteArrayView bytes);

} // namespace orvane
