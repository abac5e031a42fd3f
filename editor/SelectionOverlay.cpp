#include "SelectionOverlay.h"

#include "MazeConstants.h"

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

SelectionOverlay::SelectionOverlay(QWidget* map) : QWidget(map)
{
    setObjectName(QStringLiteral("selectionOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void SelectionOverlay::showCells(const QRect& cells)
{
    if (cells.isEmpty()) {
        hide();
        return;
    }
    setGeometry(QRect(cells.topLeft() * ChipSize, cells.size() * ChipSize));
    show();
    update();
}

void SelectionOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawSelectionFrame(p, rect());
}

} // namespace orvane
