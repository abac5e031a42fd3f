#include "RouteOverlay.h"

#include "play/RouteDrawing.h"

#include <QPaintEvent>
#include <QPainter>

namespace orvane {

RouteOverlay::RouteOverlay(QWidget* map) : QWidget(map)
{
    setObjectName(QStringLiteral("routeOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void RouteOverlay::showAnalysis(MazeAnalysis analysis)
{
    analysis_ = std::move(analysis);
    setGeometry(parentWidget()->rect());
    show();
    update();
}

void RouteOverlay::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    drawRoute(p, analysis_, 1);
}

} // namespace orvane
