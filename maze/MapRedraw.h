#pragma once

#include "MapCanvas.h"

#include <cstdint>

namespace orvane {

class MazeGrid;
struct MazeState;

// The full redraw of a width x height map: resizes the picture to
// width*16 x height*16, visits cells 0..width x 0..height (turning a Chip of
// 0 into 1), draws each as DrawCell does, and sets MapWidth and MapHeight.
// The canvas shows the busy state meanwhile and is always left idle. A size
// outside 1..128 is refused: nothing changes and false is returned.
bool RedrawMap(MazeState& maze, MapCanvas& canvas, int16_t width, int16_t height);

// What a full redraw does to the grid: a Chip of 0 in cells 0..width x
// 0..height becomes 1. A maze played is the maze after it.
void WallUnsetChips(MazeGrid& grid, int16_t width, int16_t height);

} // namespace orvane
