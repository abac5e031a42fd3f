#include "GhostDrawing.h"

#include "ChipSheet.h"

#include <QPainter>

namespace orvane {

QImage ghostFigure(const ChipSheet& chips)
{
    return chips.maskedChip(BallFigure);
}

void drawGhost(QPainter& painter, QPoint at, const QImage& figure)
{
    painter.save();
    painter.setOpacity(GhostOpacity);
    painter.drawImage(at, figure);
    painter.restore();
}

} // namespace orvane
