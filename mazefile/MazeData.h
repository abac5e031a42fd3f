#pragma once

#include "MazeGrid.h"
#include "MazeHeader.h"

namespace orvane {

// A maze as a file holds it: the header and the whole grid.
struct MazeData {
    MazeHeader header;
    MazeGrid grid;
};

} // namespace orvane
