#pragma once

#include "Analysis.h"

#include <QImage>

class QPainter;

namespace orvane {

class ChipSheet;
struct MazeHeader;

// Draws an analysis over a map picture enlarged `scale` times: a red cross
// on every trap cell, and the route as a white line with a dark edge through
// the centres of the cells the ball passes, pixel-sharp and the same at
// every scale. The start and goal markers of `header` are drawn again over
// both, as the full redraw draws them last.
void drawRoute(QImage& picture, const MazeAnalysis& analysis, const MazeHeader& header,
               const ChipSheet& chips, int scale);
// The same with a painter over such a picture.
void drawRoute(QPainter& painter, const MazeAnalysis& analysis, const MazeHeader& header,
               const ChipSheet& chips, int scale);
// The same over a map shown at `cellPixels` pixels a cell, fewer than the
// picture's own 16 too: the line keeps its width in pixels, so that it
// shows at every zoom.
void drawRouteAtCellSize(QPainter& painter, const MazeAnalysis& analysis, const MazeHeader& header,
                         const ChipSheet& chips, int cellPixels);

} // namespace orvane
