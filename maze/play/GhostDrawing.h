#pragma once

#include <QImage>
#include <QPoint>

class QPainter;

namespace orvane {

class ChipSheet;

// The ghost of a best run is the ball's figure at this opacity, so that the
// map and the ball itself show through it.
inline constexpr double GhostOpacity = 0.5;

// The ball's figure alone, as the ghost draws it.
QImage ghostFigure(const ChipSheet& chips);
// Draws the ghost's figure with its top left corner at `at`.
void drawGhost(QPainter& painter, QPoint at, const QImage& figure);

} // namespace orvane
