#include "SheetPictures.h"

#include "ChipFigures.h"
#include "MazeConstants.h"

#include <array>

namespace orvane::chipgen {

namespace {

constexpr int WallRow = 0;
constexpr int FloorRow = 1;
constexpr int ItemRow = 2;
constexpr int BallRow = 3;
constexpr int StartColumn = 4;
constexpr int GoalColumn = 5;
constexpr int BallColumn = 0;

// The item row's arrows, in item order from column 0.
constexpr std::array<ArrowDirection, 4> Arrows{ArrowDirection::Up, ArrowDirection::Down,
                                               ArrowDirection::Left, ArrowDirection::Right};

void place(SheetPictures& out, const Figure& chip, int column, int row)
{
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
    SheetPictures out{Figure(SheetColumns * ChipSize, SheetRows * ChipSize),
                      Figure(SheetColumns * ChipSize, SheetRows * ChipSize)};
    // Every cell starts empty: white in the sheet, black in the mask.
    const Figure empty(ChipSize, ChipSize);
    for (int row = 0; row < SheetRows; ++row)
        for (int column = 0; column < SheetColumns; ++column)
            place(out, empty, column, row);

    for (int column = 0; column < SheetColumns; ++column) {
        place(out, raisedBlock(colours::Families[column]), column, WallRow);
        place(out, floorSlabs(colours::Families[column]), column, FloorRow);
    }
    for (int column = 0; column < int(Arrows.size()); ++column)
        place(out, arrow(Arrows[column]), column, ItemRow);
    place(out, markerDisc(GlyphS), StartColumn, ItemRow);
    place(out, markerDisc(GlyphG), GoalColumn, ItemRow);
    place(out, shadedBall(), BallColumn, BallRow);
    return out;
}

} // namespace orvane::chipgen
