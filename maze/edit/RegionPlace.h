#pragma once

#include <QPoint>
#include <QRect>

namespace orvane {

class MapCanvas;
struct MazeState;
struct Region;

// The cells a region placed with its top-left cell at `at` covers that the
// map shows: what a placing may change.
QRect placedCells(const MazeState& maze, const Region& region, QPoint at);

// A paste placed: the region's cells replace those of the map under it, but
// for the part past the map's edge. With `withMarkers`, a marker the region
// holds moves to its cell when that cell is placed; otherwise the markers
// stay where they are. Changes the maze without drawing.
void putRegion(MazeState& maze, const Region& region, QPoint at, bool withMarkers);

// putRegion, then draws what changed (ShownChange). Returns whether anything
// changed.
bool PlaceRegion(MazeState& maze, MapCanvas& canvas, const Region& region, QPoint at,
                 bool withMarkers);

} // namespace orvane
