#include "TraceDrawing.h"

#include "MazeGrid.h"
#include "WalkTrace.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

// A cell entered once shows faintly, the most entered strongly; the chip
// always shows through.
constexpr int LeastAlpha = 70;
constexpr int MostAlpha = 200;
const QColor EdgeColour(Qt::black);
const QColor DeadEndColour(255, 230, 0);
const QColor TrapColour(255, 0, 255);
// The dead ends' outline, in pixels: wider from 16 pixels a cell on, with
// an edge on either side.
constexpr int OutlineWidth = 1;
constexpr int WideOutlineWidth = 2;
constexpr int EdgeWidth = 1;
constexpr double TrapRadius = 0.3; // of a cell
constexpr double TrapPenShare = 0.125;

const QRect Grid(GridMin, GridMin, GridSpan, GridSpan);

QPoint cellOf(int index)
{
    return {index % GridSpan + GridMin, index / GridSpan + GridMin};
}

} // namespace

TracePicture::TracePicture(const WalkTrace& trace, std::span<const QPoint> apart, QColor shade)
    : shading_(GridSpan, GridSpan, QImage::Format_ARGB32_Premultiplied)
{
    shading_.fill(Qt::transparent);
    if (trace.steps.empty())
        return;
    std::vector<bool> setApart(GridCellCount, false);
    for (QPoint cell : apart)
        if (MazeGrid::contains(cell.x(), cell.y()))
            setApart[size_t(MazeGrid::index(cell.x(), cell.y()))] = true;
    const double most = std::log1p(std::max(trace.mostSteps(), 1));
    for (int i = 0; i < GridCellCount; ++i) {
        const int steps = trace.steps[size_t(i)];
        if (steps == 0 || setApart[size_t(i)])
            continue;
        const double share = std::log1p(steps) / most;
        const int alpha = LeastAlpha + int(std::lround((MostAlpha - LeastAlpha) * share));
        const QPoint at = cellOf(i) - Grid.topLeft();
        shading_.setPixel(at, qPremultiply(qRgba(shade.red(), shade.green(), shade.blue(), alpha)));
    }
    // The outline: every side of a dead end's cell that another cell shares.
    auto inDeadEnd = [&](QPoint cell) { return Grid.contains(cell) && trace.inDeadEnd(cell); };
    for (int i = 0; i < GridCellCount; ++i) {
        const QPoint c = cellOf(i);
        if (!trace.deadEndCells[size_t(i)])
            continue;
        const QPoint topRight = c + QPoint(1, 0), bottomLeft = c + QPoint(0, 1),
                     bottomRight = c + QPoint(1, 1);
        if (!inDeadEnd(c - QPoint(0, 1)))
            edges_.emplace_back(c, topRight);
        if (!inDeadEnd(c + QPoint(0, 1)))
            edges_.emplace_back(bottomLeft, bottomRight);
        if (!inDeadEnd(c - QPoint(1, 0)))
            edges_.emplace_back(c, bottomLeft);
        if (!inDeadEnd(c + QPoint(1, 0)))
            edges_.emplace_back(topRight, bottomRight);
    }
    traps_ = trace.trapsMet;
    std::sort(traps_.begin(), traps_.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    traps_.erase(std::unique(traps_.begin(), traps_.end()), traps_.end());
}

void TracePicture::draw(QPainter& p, const QRect& cells, int cellPixels) const
{
    if (isNull())
        return;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect shown = cells.intersected(Grid);
    p.drawImage(QRect(shown.topLeft() * cellPixels, shown.size() * cellPixels), shading_,
                shown.translated(-Grid.topLeft()));

    const QRect near = cells.adjusted(-1, -1, 1, 1);
    std::vector<QLine> lines;
    for (const QLine& edge : edges_)
        if (near.contains(edge.p1()))
            lines.emplace_back(edge.p1() * cellPixels, edge.p2() * cellPixels);
    const int width = cellPixels >= ChipSize ? WideOutlineWidth : OutlineWidth;
    p.setPen(QPen(EdgeColour, width + 2 * EdgeWidth, Qt::SolidLine, Qt::SquareCap));
    p.drawLines(lines.data(), int(lines.size()));
    p.setPen(QPen(DeadEndColour, width, Qt::SolidLine, Qt::SquareCap));
    p.drawLines(lines.data(), int(lines.size()));

    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const double radius = TrapRadius * cellPixels;
    const double pen = std::max(1.0, TrapPenShare * cellPixels);
    for (const auto& [colour, w] :
         {std::pair{EdgeColour, pen + 2.0 * EdgeWidth}, std::pair{TrapColour, pen}}) {
        p.setPen(QPen(colour, w));
        for (QPoint trap : traps_)
            if (cells.contains(trap))
                p.drawEllipse(QPointF(trap * cellPixels) +
                                  QPointF(cellPixels / 2.0, cellPixels / 2.0),
                              radius, radius);
    }
    p.restore();
}

} // namespace orvane
