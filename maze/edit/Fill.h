#pragma once

namespace orvane {

class MapCanvas;
struct MazeState;

// The fill: every cell 0..MapWidth x 0..MapHeight gets the selected chip
// (1..12), keeping its item; each is drawn with its item over the new chip,
// then the markers, then the map is refreshed. Any other selection does
// nothing and returns false.
bool FillMap(MazeState& maze, MapCanvas& canvas);

} // namespace orvane
