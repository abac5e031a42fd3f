#include "SheetPictures.h"

#include "ChipFigures.h"
#include "SheetCells.h"

#include <array>
#include <utility>

namespace orvane::chipgen {

namespace {

// The arrow of each item code.
constexpr std::array<std::pair<int16_t, ArrowDirection>, 4> Arrows{{
    {ArrowUp, ArrowDirection::Up},
    {ArrowDown, ArrowDirection::Down},
    {ArrowLeft, ArrowDirection::Left},
    {ArrowRight, ArrowDirection::Right},
}};

void place(SheetPictures& out, const Figure& chip, SheetCell cell)
{
    const int column = cell.column;
    const int row = cell.row;
    for (int y = 0; y < ChipSize; ++y)
        for (int x = 0; x < ChipSize; ++x) {
            const bool opaque = chip.opaque(x, y);
            const int sx = column * ChipSize + x;
            const int sy = row * ChipSize + y;
            out.sheet.paint(sx, sy, opaque ? chip.colour(x, y) : colours::White);
            out.mask.paint(sx, sy, opaque ? colours::White : colours::Black);
        }
}

} // namespace

SheetPictures drawSheetPictures()
{
    SheetPictures out{Figure(SheetWidth, SheetHeight), Figure(SheetWidth, SheetHeight)};
    // Every cell starts empty: white in the sheet, black in the mask.
    const Figure empty(ChipSize, ChipSize);
    for (int row = 0; row < SheetRows; ++row)
        for (int column = 0; column < SheetColumns; ++column)
            place(out, empty, {column, row});

    for (int column = 0; column < SheetColumns; ++column) {
        place(out, raisedBlock(colours::Families[column]), {column, WallRow});
        place(out, floorSlabs(colours::Families[column]), {column, FloorRow});
    }
    for (const auto& [item, direction] : Arrows)
        place(out, arrow(direction), sheetCellOfItem(item));
    place(out, markerDisc(GlyphS), StartMarker);
    place(out, markerDisc(GlyphG), GoalMarker);
    place(out, shadedBall(), BallFigure);
    return out;
}

} // namespace orvane::chipgen
