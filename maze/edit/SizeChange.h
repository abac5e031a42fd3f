#pragma once

#include "MazeConstants.h"

#include <cstddef>
#include <optional>

namespace orvane {

class MapCanvas;
struct MazeState;

// Shows the map at another size: the full redraw at that size. Chip-0 cells
// of the new range become chip 1; cells beyond it stay in the grid, hidden.
bool ChangeMapSize(MazeState& maze, MapCanvas& canvas, MapSize size);

// Which of the editor's sizes (an index into MapSizes) a map has, if any.
std::optional<size_t> sizeChoiceOf(MapSize size);

} // namespace orvane
