#pragma once

#include <cstdint>

namespace orvane {

// One grid cell: terrain chip code and the item lying on it.
struct MazeCell {
    int16_t Chip = 0;
    int16_t Item = 0;
    friend bool operator==(const MazeCell&, const MazeCell&) = default;
};

} // namespace orvane
