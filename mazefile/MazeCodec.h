#pragma once

#include "MazeConstants.h"
#include "MazeData.h"
#include "MazeFileError.h"

#include <QByteArray>

#include <memory>

namespace orvane::MazeCodec {

// The .mdt layout: little-endian 16-bit integers, each text a 16-bit byte
// count and its code page 932 bytes, the header without padding, then the
// whole grid, x fastest, four bytes a cell.
inline constexpr qsizetype CellBytes = 4;
inline constexpr qsizetype GridBlockSize = GridCellCount * CellBytes; // 71,824
inline constexpr qsizetype HeaderFixedSize = 18; // two counts and seven integers
inline constexpr qsizetype MaxTextLength = 32767;
inline constexpr qsizetype EmptyMazeSize = HeaderFixedSize + GridBlockSize; // 71,842
// Nothing past this many bytes is ever read.
inline constexpr qsizetype MaxMeaningfulSize = EmptyMazeSize + 2 * MaxTextLength;

struct DecodeResult {
    std::unique_ptr<MazeData> maze; // null when refused
    MazeFileProblem problem;        // why
};

// Decodes a whole file's bytes, checking everything before returning a maze.
// Bytes after the grid are ignored.
DecodeResult decode(QByteArrayView bytes);

// Why a header cannot be stored or used, as decode() and encode() judge it: a
// text over MaxTextLength bytes, a map size or a start or goal out of range.
MazeFileProblem checkHeader(const MazeHeader& header);

struct EncodeResult {
    QByteArray bytes;
    MazeFileProblem problem; // none on success
};

// Encodes header and grid; refuses a text longer than MaxTextLength bytes.
EncodeResult encode(const MazeHeader& header, const MazeGrid& grid);

} // namespace orvane::MazeCodec
