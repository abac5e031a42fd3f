#pragma once

#include <QPoint>
#include <QSize>

#include <array>

namespace orvane {

// The map view's zoom: pixels a cell, 16 (as the editor opens) to 4. A view
// property: the rules speak in cells.
namespace ViewZoom {

inline constexpr std::array<int, 3> CellPixels{16, 8, 4};

// The next zoom in (toward 16) or out (toward 4) from `cellPixels`; the same
// at either end.
int zoomedIn(int cellPixels);
int zoomedOut(int cellPixels);

// Cells a view of `viewPixels` shows at `cellPixels`, each way.
QSize viewCells(QSize viewPixels, int cellPixels);

// The cell under `inView` (pixels of the view) of a view whose top-left cell
// is `scroll`.
QPoint cellAt(QPoint scroll, QPoint inView, int cellPixels);

// The top-left cell of a view zoomed to `cellPixels` that keeps `cell` under
// `inView`, as far as the view stays on the map (from 0 to the map's size
// less the cells the view shows, 0 for a map smaller than the view).
QPoint scrollKeeping(QPoint cell, QPoint inView, int cellPixels, QSize mapCells, QSize viewPixels);

} // namespace ViewZoom
} // namespace orvane
