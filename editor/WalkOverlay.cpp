#include "WalkOverlay.h"

#include "MazeConstants.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace orvane {

WalkOverlay::WalkOverlay(QWidget* map) : QWidget(map)
{
    setObjectName(QStringLiteral("walkOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    map->installEventFilter(this);
    hide();
}

void WalkOverlay::showPicture(TracePicture picture)
{
    picture_ = std::move(picture);
    setGeometry(parentWidget()->rect());
    show();
    update();
}

void WalkOverlay::setReduction(int factor)
{
    reduction_ = factor;
    update();
}

bool WalkOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void WalkOverlay::paintEvent(QPaintEvent* event)
{
    const int cellPixels = ChipSize / reduction_;
    const QRect box = event->rect();
    const QRect cells(QPoint(box.left() / cellPixels, box.top() / cellPixels),
                      QPoint(box.right() / cellPixels, box.bottom() / cellPixels));
    QPainter p(this);
    p.setClipRegion(event->region());
    picture_.draw(p, cells, cellPixels);
}

} // namespace orvane
