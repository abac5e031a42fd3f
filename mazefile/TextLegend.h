#pragma once

#include "MazeCell.h"

#include <cstddef>
#include <span>

namespace orvane::MazeText {

// A character of the map and the cell it stands for.
struct LegendEntry {
    char32_t character;
    MazeCell cell;
};

// The characters a text may use without a legend line: '_' unset, walls
// '#' grey and R G B P Y, floors '.' grey and r g b p y (red, green, blue,
// purple, gold), the arrows ^ v < > on the grey floor.
std::span<const LegendEntry> defaultLegend();

// The n-th character, from 0, for a cell the default legend has none for:
// letters, digits and signs first, then accented letters, then CJK
// ideographs, never one of the default legend.
char32_t spareCharacter(size_t n);

// Whether a character may stand for a cell: one visible character.
bool isLegendCharacter(char32_t c);

} // namespace orvane::MazeText
