#include "RegionPlace.h"

#include "MazeState.h"
#include "Region.h"
#include "ShownCells.h"
#include "ShownChange.h"

namespace orvane {

QRect placedCells(const MazeState& maze, const Region& region, QPoint at)
{
    return shownPart(maze, QRect(at, QSize(region.width, region.height)));
}

void putRegion(MazeState& maze, const Region& region, QPoint at, bool withMarkers)
{
    const QRect cells = placedCells(maze, region, at);
    for (int y = cells.top(); y <= cells.bottom(); ++y)
        for (int x = cells.left(); x <= cells.right(); ++x)
            maze.cell(x, y) = region.at(x - at.x(), y - at.y());
    if (!withMarkers)
        return;
    MazeHeader& h = maze.header;
    if (region.start && cells.contains(at + *region.start)) {
        h.StartX = int16_t(at.x() + region.start->x());
        h.StartY = int16_t(at.y() + region.start->y());
    }
    if (region.goal && cells.contains(at + *region.goal)) {
        h.GoalX = int16_t(at.x() + region.goal->x());
        h.GoalY = int16_t(at.y() + region.goal->y());
    }
}

bool PlaceRegion(MazeState& maze, MapCanvas& canvas, const Region& region, QPoint at,
                 bool withMarkers)
{
    const ShownChange change(maze, placedCells(maze, region, at));
    putRegion(maze, region, at, withMarkers);
    return change.show(maze, canvas);
}

} // namespace orvane
