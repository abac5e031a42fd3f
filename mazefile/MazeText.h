#pragma once

#include "MazeData.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

namespace orvane::MazeText {

// A maze as UTF-8 text, one line each:
//   ORVANE maze text 1
//   title: "..."        (code page 932 bytes: \\ \" and \xHH for a byte
//   music: "..."         that is no character of its own)
//   time: 60            (or none)
//   start: X Y
//   goal: X Y
//   size: WxH
//   legend: C CHIP ITEM (one a character; the default legend needs none)
//   map:                (then H rows of W characters, row 0 first)
//   outside: C          (every cell of the grid outside the map ...)
//   cells: X Y C        (... but these; X and Y a number or A..B)
// Every maze the reader accepts comes back byte for byte.
inline constexpr char Signature[] = "ORVANE maze text 1";

// The most a maze text may hold; a longer text is refused after its first
// line, before the rest is read. The longest text the writer makes is
// 1,038,981 bytes (a 1 x 1 map with every other cell of the grid a value of
// its own: a legend: and a cells: line each, numbers six characters long;
// both texts at their longest, every byte a \xHH escape), so four times
// that leaves room for any hand-written spacing and CRLF line ends.
inline constexpr int MaxTextMiB = 4;
inline constexpr qsizetype MaxTextBytes = qsizetype(MaxTextMiB) * 1024 * 1024;

QByteArray write(const MazeHeader& header, const MazeGrid& grid);

// Why a text is not a maze, and where.
struct Problem {
    enum class Kind {
        None,
        NotUtf8,          // the line is not UTF-8
        NotMazeText,      // line 1 is not the signature; detail: what it says
        TooLong,          // the text is over MaxTextBytes; line: 0, the whole text
        NotKeyLine,       // the line is not `key: value`
        UnknownKey,       // detail: the key
        RepeatedKey,      // detail: the key
        MissingKey,       // detail: the key; line: the text's last
        BadValue,         // detail: the key
        OutOfRange,       // detail: the key; first..second: the range
        BadEscape,        // detail: the escape
        NotCp932,         // detail: the character
        TextTooLong,      // detail: the key; first: its bytes
        BadCharacter,     // detail: what stands where one visible character belongs
        RepeatedLegend,   // detail: the character
        MapBeforeSize,    // map: comes before size:
        RowLength,        // first: the row's characters; second: the width
        MapCut,           // first: the rows given; second: the height
        UnknownCharacter, // detail: the character; first: its column, from 1
        CellsInMap,       // first, second: a cell of the map the line covers
        CellsRepeated,    // first, second: a cell an earlier line gave
    };
    Kind kind = Kind::None;
    int line = 0;
    QString detail;
    int first = 0;
    int second = 0;

    explicit operator bool() const { return kind != Kind::None; }
};

struct ReadResult {
    std::unique_ptr<MazeData> maze; // null when refused
    Problem problem;
};

ReadResult read(QByteArrayView text);

} // namespace orvane::MazeText
