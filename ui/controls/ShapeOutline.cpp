#include "ShapeOutline.h"

#include <QPainter>

namespace orvane {

ShapeOutline::ShapeOutline(QWidget* parent, QColor lineColor)
    : QWidget(parent), lineColor_(lineColor)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ShapeOutline::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(lineColor_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace orvane
