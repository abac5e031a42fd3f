#pragma once

#include <QPoint>

namespace orvane {

struct MazeState;

// I: what a cell the map shows has on top becomes the palette's choice, as a
// click on its palette cell makes it (ChipCol, ChipRow and SelectedChip): the
// goal or the start tool on a marker's cell (the goal's drawn over the
// start's), an arrow on an arrow, else the chip 1..12. Nothing for another
// cell or chip; returns whether it picked. Not an editing step: the maze
// stays as it is.
bool PickChip(MazeState& maze, QPoint cell);

} // namespace orvane
