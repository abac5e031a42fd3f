#pragma once

#include "MazeCell.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

namespace orvane {

struct MazeState;

// A rectangle of cells lifted out of a maze: the selection, the clipboard's
// contents, a paste. The markers, when the region holds their cells, are
// kept relative to its top-left cell.
struct Region {
    int width = 0;
    int height = 0;
    std::vector<MazeCell> cells; // row by row, x fastest
    std::optional<QPoint> start;
    std::optional<QPoint> goal;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool contains(QPoint p) const
    {
        return p.x() >= 0 && p.y() >= 0 && p.x() < width && p.y() < height;
    }
    MazeCell& at(int x, int y) { return cells[size_t(y) * size_t(width) + size_t(x)]; }
    const MazeCell& at(int x, int y) const { return cells[size_t(y) * size_t(width) + size_t(x)]; }

    friend bool operator==(const Region&, const Region&) = default;
};

// A region of `width` x `height` cells, all UnsetChip and no item.
Region blankRegion(int width, int height);

// The cells of `cells` the map shows, with the markers that lie on them.
Region copyRegion(const MazeState& maze, QRect cells);

// A quarter turn clockwise, a mirror left to right, or one top to bottom.
enum class TurnOrMirror { TurnClockwise, MirrorLeftRight, MirrorTopBottom };

// The region turned: every cell, the markers with their cells and the arrow
// items pointing the new way (an up arrow turned clockwise points right).
Region turnedOrMirrored(const Region& region, TurnOrMirror turn);

} // namespace orvane
