#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace orvane {

// The largest MIDI file the music device reads.
inline constexpr qint64 MaxMidiFileSize = 4 * 1024 * 1024;
// FluidSynth's player takes at most this many tracks.
inline constexpr int MaxMidiTracks = 128;

// Reads a Standard MIDI File to be played. Only a regular file (symbolic links
// followed) is opened: never a FIFO, a device or a directory, so the call
// cannot block on one. Returns nothing for a file larger than
// MaxMidiFileSize, unreadable, or failing isWholeMidiFile().
std::optional<QByteArray> readMidiFile(const QString& path);

// True when the bytes start with a MIDI header FluidSynth can play (format 0
// to 2, 1 to MaxMidiTracks tracks, metrical time) and every track chunk it
// announces lies whole inside them. Other chunks between tracks are allowed.
bool isWholeMidiFile(const QByteArray& bytes);

} // namespace orvane
