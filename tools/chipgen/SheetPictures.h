#pragma once

#include "Figure.h"

namespace orvane::chipgen {

inline constexpr int SheetColumns = 6;
inline constexpr int SheetRows = 4;

// The chip sheet and its mask. Mask white marks the figure's pixels, mask
// black a transparent pixel, where the sheet is white; the wall and floor
// rows are opaque throughout.
struct SheetPictures {
    Figure sheet;
    Figure mask;
};

SheetPictures drawSheetPictures();

} // namespace orvane::chipgen
