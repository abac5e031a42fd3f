#include "RouteDrawing.h"

#include "MazeConstants.h"

#include <QPainter>
#include <QPolygonF>

#include <utility>

namespace orvane {
namespace {

// A white line edged in black shows on every chip colour.
const QColor RouteColour(Qt::white);
const QColor RouteEdgeColour(Qt::black);
const QColor TrapColour(255, 0, 0);
constexpr double TrapInset = 0.25; // of a cell, on each side of the cross

QPointF centreOf(QPoint cell, int scale)
{
    const double size = ChipSize * scale;
    return {(cell.x() + 0.5) * size, (cell.y() + 0.5) * size};
}

} // namespace

void drawRoute(QImage& picture, const MazeAnalysis& analysis, int scale)
{
    QPainter p(&picture);
    drawRoute(p, analysis, scale);
}

void drawRoute(QPainter& p, const MazeAnalysis& analysis, int scale)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double size = ChipSize * scale;
    p.setPen(QPen(TrapColour, std::max(1.0, scale * 1.5)));
    for (QPoint cell : analysis.traps) {
        const QRectF box(cell.x() * size, cell.y() * size, size, size);
        const QRectF cross =
            box.adjusted(size * TrapInset, size * TrapInset, -size * TrapInset, -size * TrapInset);
        p.drawLine(cross.topLeft(), cross.bottomRight());
        p.drawLine(cross.topRight(), cross.bottomLeft());
    }
    QPolygonF line;
    for (QPoint cell : analysis.routeCells)
        line << centreOf(cell, scale);
    const double width = std::max(1.0, double(scale));
    for (const auto& [colour, w] :
         {std::pair{RouteEdgeColour, width + 2}, std::pair{RouteColour, width}}) {
        p.setPen(QPen(colour, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
    }
    p.restore();
}

} // namespace orvane
