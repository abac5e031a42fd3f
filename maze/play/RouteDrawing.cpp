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

QPoint centreOf(QPoint cell, int cellPixels)
{
    return cell * cellPixels + QPoint(cellPixels / 2, cellPixels / 2);
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

void drawTraps(QPainter& p, const std::vector<QPoint>& traps, int cellPixels, int lineScale)
{
    const double size = cellPixels;
    const double inset = size * TrapInset;
    const double width = TrapPenWidth * lineScale;
    for (const auto& [colour, w] : {std::pair{EdgeColour, width + 2.0 * EdgeWidth * lineScale},
                                    std::pair{TrapColour, width}}) {
        p.setPen(QPen(colour, w, Qt::SolidLine, Qt::RoundCap));
        for (QPoint cell : traps) {
            const QRectF cross = QRectF(cell.x() * size, cell.y() * size, size, size)
                                     .adjusted(inset, inset, -inset, -inset);
            p.drawLine(cross.topLeft(), cross.bottomRight());
            p.drawLine(cross.topRight(), cross.bottomLeft());
        }
    }
}

// Cells of `cellPixels`, the lines `lineScale` times as wide as at 16 pixels a cell.
void drawAnalysis(QPainter& p, const MazeAnalysis& analysis, const MazeHeader& header,
                  const ChipSheet& chips, int cellPixels, int lineScale)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawTraps(p, analysis.traps, cellPixels, lineScale);
    p.setRenderHint(QPainter::Antialiasing, false);
    std::vector<QPoint> centres;
    centres.reserve(analysis.routeCells.size());
    for (QPoint cell : analysis.routeCells)
        centres.push_back(centreOf(cell, cellPixels));
    fillRoute(p, centres, (RouteHalfWidth + EdgeWidth) * lineScale, EdgeColour);
    fillRoute(p, centres, RouteHalfWidth * lineScale, RouteColour);
    if (!chips.isNull()) {
        for (const auto& [x, y, marker] : {std::tuple{header.StartX, header.StartY, StartMarker},
                                           std::tuple{header.GoalX, header.GoalY, GoalMarker}})
            p.drawImage(QRect(x * cellPixels, y * cellPixels, cellPixels, cellPixels),
                        chips.maskedChip(marker));
    }
    p.restore();
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
    drawAnalysis(p, analysis, header, chips, ChipSize * scale, scale);
}

void drawRouteAtCellSize(QPainter& p, const MazeAnalysis& analysis, const MazeHeader& header,
                         const ChipSheet& chips, int cellPixels)
{
    drawAnalysis(p, analysis, header, chips, cellPixels, 1);
}

} // namespace orvane
