#pragma once

#include "Region.h"

#include <QPoint>
#include <QRect>

namespace orvane {

class MapCanvas;
struct MazeState;

// Notes the cells of a rectangle that the map shows, and the markers, before
// a rule changes them without drawing; then shows what the rule made
// different.
class ShownChange {
public:
    ShownChange(const MazeState& maze, QRect cells);

    // Draws the cells of the rectangle that changed and, when a marker moved,
    // its old and new cells, each as it now stands; marks them dirty once and
    // refreshes the map once. Returns whether anything changed.
    bool show(const MazeState& maze, MapCanvas& canvas) const;

private:
    QRect cells_;
    Region before_;
    QPoint start_;
    QPoint goal_;
};

} // namespace orvane
