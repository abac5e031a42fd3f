#pragma once

#include "MazeText.h"
#include "edit/Region.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QPoint>
#include <QStringView>

#include <optional>

namespace orvane::RegionClipboard {

// The two forms a region takes on the clipboard: exact private bytes, and
// the maze text form for text editors, orvane-mdt and other programs.

inline constexpr char MimeType[] = "application/x-orvane-region";

// The private form, little-endian:
//   4 bytes   "ORVR"
//   u16       version, 1
//   u16 u16   width, height: 1..MapSizeMax
//   u8        markers: bit 0 the start, bit 1 the goal; no other bit
//   i16 x 4   start x y, goal x y: inside the region when present, else 0
//   then width x height cells, row by row, x fastest: i16 chip, i16 item
// and nothing after. Chips and items take any 16-bit value, as in a file.
inline constexpr char Magic[] = "ORVR";
inline constexpr quint16 Version = 1;
// The most the private form takes: 19 bytes before the cells, then four a
// cell of a 128 x 128 region.
inline constexpr qsizetype MaxBytes = 19 + 4 * MapSizeMax * MapSizeMax;

// The private bytes of a region of 1..MapSizeMax cells a side.
QByteArray toBytes(const Region& region);
// The region of private bytes; nothing when any value is out of its range,
// the bytes are cut short or run on. Bytes past MaxBytes are refused unread.
std::optional<Region> fromBytes(QByteArrayView bytes);

// A marker the region lacks is written at this cell in its text: off the
// map, in the margin of the grid the text reader accepts, so that the text
// stays a maze text without changing what a text must hold.
inline constexpr QPoint AbsentMarker{-1, -1};

// The maze text of a maze the region's size: its cells as the map, the
// markers it holds, no title, music or time limit, every cell outside the
// map unset.
QByteArray toText(const Region& region);

struct TextRead {
    std::optional<Region> region; // nothing when refused
    MazeText::Problem problem;    // why
};

// Any maze text as a region of its map (cells 0..MapWidth-1 x
// 0..MapHeight-1), with the markers that lie on it; refused with the text
// reader's problem.
TextRead fromText(QByteArrayView text);

// The same for the text another program put on the clipboard: refused with
// the problem TooLong before it is converted when it cannot be a maze text
// (each UTF-16 unit is at least one byte of UTF-8).
TextRead fromClipboardText(QStringView text);

} // namespace orvane::RegionClipboard
