#pragma once

#include "MazeCell.h"
#include "MazeConstants.h"

#include <array>
#include <cassert>
#include <span>

namespace orvane {

// The fixed 134 x 134 grid, both indices GridMin..GridMax, x (the column)
// fastest in memory: exactly the order of the file's grid block.
class MazeGrid {
public:
    static constexpr bool contains(int x, int y)
    {
        return x >= GridMin && x <= GridMax && y >= GridMin && y <= GridMax;
    }

    // Element number of cell (x, y) in storage and file order.
    static constexpr int index(int x, int y) { return (y - GridMin) * GridSpan + (x - GridMin); }

    MazeCell& at(int x, int y)
    {
        assert(contains(x, y));
        return cells_[index(x, y)];
    }
    const MazeCell& at(int x, int y) const
    {
        assert(contains(x, y));
        return cells_[index(x, y)];
    }

    // The cell, or nullptr when (x, y) lies outside the grid.
    const MazeCell* find(int x, int y) const
    {
        return contains(x, y) ? &cells_[index(x, y)] : nullptr;
    }

    std::span<MazeCell, GridCellCount> cells() { return cells_; }
    std::span<const MazeCell, GridCellCount> cells() const { return cells_; }

    void clear() { cells_.fill(MazeCell{}); }

    friend bool operator==(const MazeGrid&, const MazeGrid&) = default;

private:
    std::array<MazeCell, GridCellCount> cells_{};
};

} // namespace orvane
