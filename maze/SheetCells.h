#pragma once

#include "MazeConstants.h"

#include <cstdint>
#include <optional>

namespace orvane {

// Geometry of the chip sheet and its mask: 6 x 4 chips of ChipSize pixels.
inline constexpr int SheetColumns = 6;
inline constexpr int SheetRows = 4;
inline constexpr int SheetWidth = SheetColumns * ChipSize; // 96
inline constexpr int SheetHeight = SheetRows * ChipSize;   // 64
inline constexpr int PaletteRows = 3;                      // rows the editor can pick from

// A chip's place on the sheet, (column, row).
struct SheetCell {
    int column = 0;
    int row = 0;
    friend constexpr bool operator==(SheetCell, SheetCell) = default;
};

inline constexpr int WallRow = 0;
inline constexpr int FloorRow = 1;
inline constexpr int ItemRow = 2;
inline constexpr SheetCell StartMarker{4, ItemRow};
inline constexpr SheetCell GoalMarker{5, ItemRow};
inline constexpr SheetCell BallFigure{0, 3};

// Where the full redraw takes the picture of a Chip code: 0 and anything
// below 7 from the wall row (0 as chip 1), 7..12 from the floor row, 13..18
// from the item row; above 18 there is no picture.
constexpr std::optional<SheetCell> sheetCellOfChip(int chip)
{
    if (chip == UnsetChip)
        return SheetCell{0, WallRow};
    if (chip <= LastWall)
        return SheetCell{chip - FirstWall, WallRow};
    if (chip <= LastFloor)
        return SheetCell{chip - FirstFloor, FloorRow};
    if (chip <= GoalCode)
        return SheetCell{chip - FirstItemCode, ItemRow};
    return std::nullopt;
}

// An Item code's picture (item n from the item row, column n - 1).
constexpr SheetCell sheetCellOfItem(int item)
{
    return {item - 1, ItemRow};
}

// The palette code of a cell of the first three sheet rows.
constexpr int codeOfPaletteCell(int column, int row)
{
    return row * SheetColumns + column + 1;
}

} // namespace orvane
