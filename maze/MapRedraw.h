#pragma once

#include "MapCanvas.h"

#include <QString>

#include <cstdint>

namespace orvane {

struct MazeState;

// Status text shown while a full redraw runs.
inline const QString PreparingText = QStringLiteral("準備中です");

// The full redraw of a width x height map: resizes the picture to
// width*16 x height*16, visits cells 0..width x 0..height (turning a Chip of
// 0 into 1), draws chips and items, then the start and goal markers, and sets
// MapWidth and MapHeight. The canvas shows the busy state meanwhile and is
// always left idle. A size outside 1..128 is refused: nothing changes and
// false is returned.
bool RedrawMap(MazeState& maze, MapCanvas& canvas, int16_t width, int16_t height);

} // namespace orvane
