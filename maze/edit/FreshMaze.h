#pragma once

namespace orvane {

class MapCanvas;
struct MazeState;

// The editor's opening: a new 32 x 32 maze, its cells 0..32 x 0..32 chip 1,
// the start at (0, 0), the goal at (31, 31), a time limit of 60 and the
// palette on chip 1. Nothing of what the model held stays: no item, no cell
// beyond, no title, no music, every working value 0. Draws those cells and
// the markers, then refreshes the map.
void OpenFreshMaze(MazeState& maze, MapCanvas& canvas);

} // namespace orvane
