#pragma once

#include "Figure.h"
#include "SheetCells.h"

namespace orvane::chipgen {

// The chip sheet and its mask. Mask white marks the figure's pixels, mask
// black a transparent pixel, where the sheet is white; the wall and floor
// rows are opaque throughout.
struct SheetPictures {
    Figure sheet;
    Figure mask;
};

SheetPictures drawSheetPictures();

} // namespace orvane::chipgen
