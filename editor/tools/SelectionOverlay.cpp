#include "SelectionOverlay.h"

#include "MazeConstants.h"
#include "SelectionFrame.h"

#include <QPainter>

namespace orvane {

SelectionOverlay::SelectionOverlay(QWidget* map) : QWidget(map)
{
    setObjectName(QStringLiteral("selectionOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void SelectionOverlay::showCells(const QRect& cells, int cellPixels)
{
    if (cells.isEmpty()) {
        hide();
        return;
    }
    setGeometry(QRect(cells.topLeft() * cellPixels, cells.size() * cellPixels));
    show();
    update();
}

void SelectionOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawSelectionFrame(p, rect());
}

} // namespace orvane
