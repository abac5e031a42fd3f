#pragma once

#include "MazeConstants.h"

#include <QPoint>

#include <vector>

namespace orvane::generate {

// The rooms of a maze with corridors one cell wide: the cells at odd
// columns and rows of the map, a wall cell between two neighbours that a
// corridor link may open, and a frame of walls round them all.
struct Lattice {
    int columns = 0; // rooms across
    int rows = 0;    // rooms down

    static constexpr Lattice of(MapSize size)
    {
        return {(size.width - 1) / 2, (size.height - 1) / 2};
    }

    int rooms() const { return columns * rows; }
    QPoint cellOf(int room) const { return {1 + 2 * (room % columns), 1 + 2 * (room / columns)}; }
    // The room on a cell, or -1 for a cell that is no room.
    int roomAt(QPoint cell) const;
    // The cell between two neighbouring rooms.
    QPoint linkOf(int a, int b) const { return (cellOf(a) + cellOf(b)) / 2; }
    // The rooms beside a room, up to four.
    std::vector<int> neighbours(int room) const;
    // Whether a cell lies in the frame: outside every room and link.
    bool inFrame(QPoint cell) const
    {
        return cell.x() < 1 || cell.y() < 1 || cell.x() > 2 * columns - 1 ||
               cell.y() > 2 * rows - 1;
    }
    // Fewest keys a corridor route can take: one a cell, each room and link once.
    int longestRoute() const { return 2 * rooms() - 2; }
};

// A perfect maze on a lattice: one way between any two rooms. Every room
// but the root was carved from its parent.
struct Tree {
    std::vector<int> parent; // by room; -1 for the root
    std::vector<int> depth;  // by room: links from the root
    int root = 0;

    // The rooms from `from` to `to` along the tree, both included.
    std::vector<int> path(int from, int to) const;
};

} // namespace orvane::generate
