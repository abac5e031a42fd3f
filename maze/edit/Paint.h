#pragma once

#include "MazeCell.h"

#include <QPoint>

#include <span>

namespace orvane {

class MapCanvas;
struct MazeState;

// Mouse buttons as the pointer handlers receive them, added up.
namespace MouseButton {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Middle = 4;
} // namespace MouseButton

// Whether the pointer at (MapMouseX, MapMouseY) may paint: it lies inside the
// map picture and no full redraw is under way (busy).
bool PaintingAllowed(const MazeState& maze, MapCanvas& canvas, bool busy);

// The paint rule on a cell's values with palette code `code`: a chip 1..12
// replaces the chip and clears the item; an item 13..16 goes only on a chip
// 7..16. Returns whether the code paints this cell (it may already hold
// what it paints); other codes paint nothing.
bool PaintRule(MazeCell& cell, int code);

// The paint rule with SelectedChip on every cell of `cells` that the map
// shows (0..MapWidth-1 x 0..MapHeight-1): each cell it changes is drawn as it
// now stands, markers on top, their bounding box marked dirty once, and the
// map refreshed once. Returns whether any cell changed.
bool PaintCells(MazeState& maze, MapCanvas& canvas, std::span<const QPoint> cells);

// The paint rule at cell (x, y) with SelectedChip: a chip 1..12 replaces the
// cell's chip and clears its item; an item 13..16 goes only on a chip 7..16.
// The cell is drawn as it now stands, markers on top. Returns whether it
// painted; other codes paint nothing.
bool PaintCell(MazeState& maze, MapCanvas& canvas, int x, int y);

// The start (17) or goal (18) tool at (x, y): moves that marker there, clears
// the cell's item and draws both the new and the old cell as they now stand.
// On the marker's own cell, and for other codes, nothing happens (false).
bool PlaceMarker(MazeState& maze, MapCanvas& canvas, int x, int y);

// The pointer moved over the map to pixel (x, y): records the position and
// sets the cursor cell from it.
void MapPointerMoved(MazeState& maze, int x, int y);

// A click on the map, at the cursor cell of the last pointer move: the paint
// rule or the start or goal tool, then a refresh when something was drawn.
bool MapClicked(MazeState& maze, MapCanvas& canvas, bool busy);

} // namespace orvane
