#pragma once

#include <QPoint>

namespace orvane {

struct MazeState;

// I: the chip 1..12 of a cell the map shows becomes the palette's choice, as
// a click on its palette cell makes it (ChipCol, ChipRow and SelectedChip).
// Nothing for another cell or chip; returns whether it picked. Not an
// editing step: the maze stays as it is.
bool PickChip(MazeState& maze, QPoint cell);

} // namespace orvane
