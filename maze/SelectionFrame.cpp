#include "SelectionFrame.h"

#include <QPainter>

namespace orvane {
namespace {

constexpr int DashLength = 3;

} // namespace

void drawSelectionFrame(QPainter& painter, const QRect& frame)
{
    const QRect edge = frame.adjusted(0, 0, -1, -1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(edge);
    QPen dashes(Qt::black, 1, Qt::CustomDashLine);
    dashes.setDashPattern({DashLength, DashLength});
    painter.setPen(dashes);
    painter.drawRect(edge);
}

} // namespace orvane
