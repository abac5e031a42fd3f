#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace orvane {

// The largest MIDI file the music device reads.
inline constexpr qint64 MaxMidiFileSize = 4 * 1024 * 1024;

// Reads a Standard MIDI File to be played and returns it rebuilt by
// canonicalMidiFile(). Only a regular file (symbolic links followed) is opened:
// never a FIFO, a device or a directory, so the call cannot block on one.
// Returns nothing for a file larger than MaxMidiFileSize, unreadable, or not
// readable as MIDI: the device treats it as a missing file.
std::optional<QByteArray> readMidiFile(const QString& path);

} // namespace orvane
