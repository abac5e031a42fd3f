#pragma once

#include <QColor>
#include <QImage>
#include <QLine>
#include <QPoint>
#include <QRect>

#include <span>
#include <vector>

class QPainter;

namespace orvane {

struct WalkTrace;

// The shades of the newcomer's walks and of the player's own runs.
inline const QColor NewcomerShade(255, 64, 0);
inline const QColor RunShade(0, 128, 255);

// A trace (WalkTrace.h) as it is drawn over a map, made once and drawn at
// any size: each cell the walks entered shaded in `shade`, the more the more
// often (on a log scale up to the most), but the cells set apart (a route
// drawn over it); the dead ends walked into outlined, yellow edged in
// black; a ring on each cell a trap was met at.
class TracePicture {
public:
    TracePicture() = default;
    TracePicture(const WalkTrace& trace, std::span<const QPoint> apart, QColor shade);

    bool isNull() const { return shading_.isNull(); }
    // Draws the map cells `cells` at `cellPixels` a cell, the map's cell
    // (0, 0) at the painter's origin.
    void draw(QPainter& painter, const QRect& cells, int cellPixels) const;

private:
    QImage shading_;           // a pixel a grid cell
    std::vector<QLine> edges_; // of the dead ends' cells, in cells
    std::vector<QPoint> traps_;
};

} // namespace orvane
