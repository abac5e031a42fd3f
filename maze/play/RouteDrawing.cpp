#include "RouteDrawing.h"

#include "ChipSheet.h"
#include "MazeHeader.h"

#include <QPainter>

#include <tuple>
#include <utility>

namespace orvane {
namespace {

// A white line edged in black shows on every chip colour. Widths in pixels
// of the picture at scale 1: the line is as wide as a floor chip's seam, so
// that it covers it, with an edge on either side.
const QColor RouteColour(Qt::white);
const QColor EdgeColour(Qt::black);
const QColor TrapColour(255, 0, 0);
constexpr int RouteHalfWidth = 1;
constexpr int EdgeWidth = 1;
constexpr double TrapInset = 0.25; // of a cell, on each side of the cross
constexpr double TrapPenWidth = 1.5;

QPoint centreOf(QPoint cell, int scale)
{
    return (cell * ChipSize + QPoint(ChipSize / 2, ChipSize / 2)) * scale;
}

// The line from cell to cell as whole pixels: each step of the route is a
// rectangle `half` pixels either side of the centres it joins.
void fillRoute(QPainter& p, const std::vector<QPoint>& cells, int half, const QColor& colour)
{
    for (size_t i = 0; i < cells.size(); ++i) {
        const QPoint a = cells[i];
        const QPoint b = i + 1 < cells.size() ? cells[i + 1] : a;
        const QRect span = QRect(a, b).normalized();
        p.fillRect(span.adjusted(-half, -half, half - 1, half - 1), colour);
    }
}

void drawTraps(QPainter& p, const std::vector<QPoint>& traps, int scale)
{
    const double size = ChipSize * scale;
    const double inset = size * TrapInset;
    const double width = TrapPenWidth * scale;
    for (const auto& [colour, w] :
         {std::pair{EdgeColour, width + 2.0 * EdgeWidth * scale}, std::pair{TrapColour, width}}) {
        p.setPen(QPen(colour, w, Qt::SolidLine, Qt::RoundCap));
        for (QPoint cell : traps) {
            const QRectF cross = QRectF(cell.x() * size, cell.y() * size, size, size)
                                     .adjusted(inset, inset, -inset, -inset);
            p.drawLine(cross.topLeft(), cross.bottomRight());
            p.drawLine(cross.topRight(), cross.bottomLeft());
        }
    }
}

} // namespace

void drawRoute(QImage& picture, const MazeAnalysis& analysis, const MazeHeader& header,
               const ChipSheet& chips, int scale)
{
    QPainter p(&picture);
    drawRoute(p, analysis, header, chips, scale);
}

void drawRoute(QPainter& p, const MazeAnalysis& analysis, const MazeHeader& header,
               const ChipSheet& chips, int scale)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawTraps(p, analysis.traps, scale);
    p.setRenderHint(QPainter::Antialiasing, false);
    std::vector<QPoint> centres;
    centres.reserve(analysis.routeCells.size());
    for (QPoint cell : analysis.routeCells)
        centres.push_back(centreOf(cell, scale));
    fillRoute(p, centres, (RouteHalfWidth + EdgeWidth) * scale, EdgeColour);
    fillRoute(p, centres, RouteHalfWidth * scale, RouteColour);
    if (!chips.isNull()) {
        const int size = ChipSize * scale;
        for (const auto& [x, y, marker] : {std::tuple{header.StartX, header.StartY, StartMarker},
                                           std::tuple{header.GoalX, header.GoalY, GoalMarker}})
            p.drawImage(QRect(x * size, y * size, size, size), chips.maskedChip(marker));
    }
    p.restore();
}

} // namespace orvane
