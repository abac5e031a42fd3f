#pragma once

#include "Analysis.h"

#include <QImage>

class QPainter;

namespace orvane {

// Draws an analysis over a map picture enlarged `scale` times: the route as
// a thin line through the centres of the cells the ball passes, and a cross
// on every trap cell.
void drawRoute(QImage& picture, const MazeAnalysis& analysis, int scale);
// The same with a painter over such a picture.
void drawRoute(QPainter& painter, const MazeAnalysis& analysis, int scale);

} // namespace orvane
