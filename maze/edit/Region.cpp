#include "Region.h"

#include "MazeState.h"
#include "ShownCells.h"

namespace orvane {
namespace {

// An item as `turn` leaves it: arrows turned, any other item as it was.
int16_t turnedOrMirroredItem(int16_t item, TurnOrMirror turn)
{
    switch (turn) {
    case TurnOrMirror::TurnClockwise:
        switch (item) {
        case ArrowUp:
            return ArrowRight;
        case ArrowRight:
            return ArrowDown;
        case ArrowDown:
            return ArrowLeft;
        case ArrowLeft:
            return ArrowUp;
        }
        break;
    case TurnOrMirror::MirrorLeftRight:
        if (item == ArrowLeft || item == ArrowRight)
            return item == ArrowLeft ? ArrowRight : ArrowLeft;
        break;
    case TurnOrMirror::MirrorTopBottom:
        if (item == ArrowUp || item == ArrowDown)
            return item == ArrowUp ? ArrowDown : ArrowUp;
        break;
    }
    return item;
}

} // namespace

Region blankRegion(int width, int height)
{
    Region r;
    r.width = width;
    r.height = height;
    r.cells.resize(size_t(width) * size_t(height));
    return r;
}

Region copyRegion(const MazeState& maze, QRect cells)
{
    cells = shownPart(maze, cells);
    if (cells.isEmpty())
        return {};
    Region r = blankRegion(cells.width(), cells.height());
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            r.at(x, y) = maze.cell(cells.left() + x, cells.top() + y);
    const MazeHeader& h = maze.header;
    if (const QPoint start = QPoint(h.StartX, h.StartY) - cells.topLeft(); r.contains(start))
        r.start = start;
    if (const QPoint goal = QPoint(h.GoalX, h.GoalY) - cells.topLeft(); r.contains(goal))
        r.goal = goal;
    return r;
}

Region turnedOrMirrored(const Region& region, TurnOrMirror turn)
{
    const int w = region.width;
    const int h = region.height;
    // Where the cell at (x, y) goes.
    const auto to = [&](QPoint p) {
        switch (turn) {
        case TurnOrMirror::TurnClockwise:
            return QPoint(h - 1 - p.y(), p.x());
        case TurnOrMirror::MirrorLeftRight:
            return QPoint(w - 1 - p.x(), p.y());
        case TurnOrMirror::MirrorTopBottom:
            break;
        }
        return QPoint(p.x(), h - 1 - p.y());
    };
    Region r = turn == TurnOrMirror::TurnClockwise ? blankRegion(h, w) : blankRegion(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Chips stay as they are: a chip 13..16 shows an arrow but pushes
            // nothing; only items turn.
            MazeCell cell = region.at(x, y);
            cell.Item = turnedOrMirroredItem(cell.Item, turn);
            const QPoint p = to({x, y});
            r.at(p.x(), p.y()) = cell;
        }
    }
    if (region.start)
        r.start = to(*region.start);
    if (region.goal)
        r.goal = to(*region.goal);
    return r;
}

} // namespace orvane
