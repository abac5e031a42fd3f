#include "BoldLabel.h"

#include "UiFonts.h"

#include <QPainter>
#include <QPainterPath>

namespace orvane {

BoldLabel::BoldLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

qreal BoldLabel::strokeWidth() const
{
    // About what a bold face adds to a regular stem.
    return UiFonts::needsSyntheticBold(font()) ? font().pixelSize() / 20.0 : 0.0;
}

QSize BoldLabel::sizeHint() const
{
    const int extra = int(std::ceil(strokeWidth()));
    return QLabel::sizeHint() + QSize(extra, extra);
}

void BoldLabel::paintEvent(QPaintEvent* event)
{
    const qreal stroke = strokeWidth();
    if (stroke <= 0) {
        QLabel::paintEvent(event);
        return;
    }
    QFont regular = font();
    regular.setBold(false);
    const QFontMetricsF metrics(regular);
    QPainterPath path;
    path.addText(QPointF(margin() + stroke / 2, margin() + stroke / 2 + metrics.ascent()), regular,
                 text());
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(foregroundRole());
    p.setPen(QPen(ink, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(path);
}

} // namespace orvane
