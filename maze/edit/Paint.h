#pragma once

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

// A drag step at the cursor cell with `buttons` held: when painting is allowed
// and the left button alone is held, refreshes the map, then paints the cell
// (the start and goal tools do not drag). Returns whether it painted.
bool DragPaint(MazeState& maze, MapCanvas& canvas, int buttons, bool busy);

// A click on the map, at the cursor cell of the last pointer move: the paint
// rule or the start or goal tool, then a refresh when something was drawn.
bool MapClicked(MazeState& maze, MapCanvas& canvas, bool busy);

} // namespace orvane
