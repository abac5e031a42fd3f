#include "RouteOverlay.h"

#include "play/RouteDrawing.h"

#include <QPaintEvent>
#include <QPainter>

namespace orvane {

RouteOverlay::RouteOverlay(QWidget* map, const ChipSheet& chips) : QWidget(map), chips_(chips)
{
    setObjectName(QStringLiteral("routeOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void RouteOverlay::showAnalysis(MazeAnalysis analysis, const MazeHeader& header)
{
    analysis_ = std::move(analysis);
    header_ = header;
    setGeometry(parentWidget()->rect());
    show();
    update();
}

void RouteOverlay::setReduction(int factor)
{
    reduction_ = factor;
    setGeometry(parentWidget()->rect());
    update();
}

void RouteOverlay::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    drawRouteAtCellSize(p, analysis_, header_, chips_, ChipSize / reduction_);
}

} // namespace orvane
