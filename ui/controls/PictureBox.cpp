#include "PictureBox.h"

#include "AccessibleControls.h"
#include "ImageCanvas.h"
#include "VirtualKeys.h"
#include "WindowColors.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <cmath>

namespace orvane {
namespace {

// The focus mark: a frame of the selection colour this wide round the part
// of the box shown, and the dotted focus rectangle inside it.
constexpr int FocusFrameWidth = 2;
constexpr int FocusMarkWidth = FocusFrameWidth + 1;

// Division rounding toward minus infinity, for pixels left of or above a box.
int floorDiv(int value, int by)
{
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

} // namespace

PictureBox::PictureBox(QWidget* parent, QColor background, Border border)
    : QWidget(parent), background_(background), border_(border)
{
    installAccessibleControls();
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    if (border_ != Border::None) {
        // Children of a bordered box are clipped to the inside of the border.
        client_ = new QWidget(this);
        client_->setObjectName(QStringLiteral("clientArea"));
    }
}

QSize PictureBox::clientSize() const
{
    const int b = borderWidth();
    return size() - QSize(2 * b, 2 * b);
}

QImage& PictureBox::image()
{
    if (image_.size() != pictureSize())
        image_ = resizedPicture(image_, pictureSize(), background_.rgb());
    return image_;
}

void PictureBox::markDirty(const QRect& rect)
{
    dirty_ += rect;
    if (reduced_)
        reduced_->drawn(rect);
}

void PictureBox::layoutClientArea()
{
    if (client_)
        client_->setGeometry(QRect(QPoint(borderWidth(), borderWidth()), clientSize()));
}

void PictureBox::setPicture(const QImage& picture)
{
    QPainter p(&image());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, picture);
    markDirty(image_.rect());
}

void PictureBox::resizePicture(int width, int height)
{
    const int b = 2 * borderWidth();
    resize(width / reduction_ + b, height / reduction_ + b);
}

void PictureBox::resizeToCover(int width, int height)
{
    resizePicture(width, height);
    if (image_.size() != pictureSize())
        image_ = QImage(pictureSize(), QImage::Format_RGB32);
}

void PictureBox::setReduction(int factor)
{
    if (factor == reduction_)
        return;
    if (!reduced_) {
        reduced_ = std::make_unique<ReducedPictures>();
        reduced_->drawn(image().rect());
    }
    const QSize picture = image().size();
    const QPoint place(Left(), Top());
    reduction_ = factor;
    resizePicture(picture.width(), picture.height());
    Move(place.x(), place.y());
    update();
}

QRect PictureBox::boxRect(const QRect& picture) const
{
    const int k = reduction_;
    return QRect(QPoint(floorDiv(picture.left(), k), floorDiv(picture.top(), k)),
                 QPoint(floorDiv(picture.right(), k), floorDiv(picture.bottom(), k)));
}

QPoint PictureBox::boxPoint(QPoint picture) const
{
    return {floorDiv(picture.x(), reduction_), floorDiv(picture.y(), reduction_)};
}

QPoint PictureBox::pictureAt(const QPointF& position) const
{
    const int b = borderWidth();
    if (reduction_ == 1)
        return position.toPoint() - QPoint(b, b); // rounded to whole pixels
    // The picture's pixel under the point, not the first of the box's pixel.
    const QPointF at = (position - QPointF(b, b)) * reduction_;
    return {int(std::floor(at.x())), int(std::floor(at.y()))};
}

void PictureBox::setAccessibleValue(const QString& value)
{
    if (value == accessibleValue_)
        return;
    accessibleValue_ = value;
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
}

QRect PictureBox::visiblePart(QPoint at) const
{
    const QWidget* container = parentWidget();
    return container ? rect() & QRect(-at, container->size()) : rect();
}

void PictureBox::updateFocusRect(QPoint at)
{
    if (!showsFocus_)
        return;
    const QRect frame = visiblePart(at);
    const int inset = FocusMarkWidth;
    update(QRegion(frame) - QRegion(frame.adjusted(inset, inset, -inset, -inset)));
}

void PictureBox::Refresh()
{
    if (dirty_.isEmpty())
        return;
    if (reduced_)
        reduced_->settle(image());
    QRegion region;
    for (const QRect& r : dirty_)
        region += boxRect(r);
    dirty_ = QRegion();
    repaint(region.translated(borderWidth(), borderWidth()));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const int b = borderWidth();
    const QRect inside = rect().adjusted(b, b, -b, -b);
    const int k = reduction_;
    const QImage& shown = k > 1 ? reduced_->at(k) : image();
    for (const QRect& r : event->region()) {
        const QRect area = (r & inside).translated(-b, -b);
        if (area.isEmpty())
            continue;
        if (k > 1)
            reduced_->bringUpToDate(image(), QRect(area.topLeft() * k, area.size() * k));
        p.drawImage(area.topLeft() + QPoint(b, b), shown, area);
    }
    if (b > 0) {
        p.setPen(palette().color(WindowColors::WindowFrame));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (showsFocus_ && hasFocus()) {
        // Plain to see which box holds the keys: a thick frame of the
        // selection colour, and the focus rectangle inside it, inverting
        // what it covers as the window system's does, so that it shows over
        // every colour of the picture.
        const QRect shown = visiblePart(pos());
        const int w = FocusFrameWidth;
        const QColor mark = palette().color(QPalette::Highlight);
        for (const QRect& side : {QRect(shown.left(), shown.top(), shown.width(), w),
                                  QRect(shown.left(), shown.bottom() - w + 1, shown.width(), w),
                                  QRect(shown.left(), shown.top(), w, shown.height()),
                                  QRect(shown.right() - w + 1, shown.top(), w, shown.height())})
            p.fillRect(side, mark);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = shown.adjusted(w, w, -w, -w);
        focus.backgroundColor = Qt::black; // the style draws its opposite, white
        p.setCompositionMode(QPainter::CompositionMode_Difference);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void PictureBox::resizeEvent(QResizeEvent*)
{
    layoutClientArea();
    if (hasFocus())
        updateFocusRect(pos());
}

void PictureBox::moveEvent(QMoveEvent* event)
{
    // What was drawn moves with the box: the rectangle drawn for the old
    // place is painted over, and drawn anew for the new one.
    if (hasFocus()) {
        updateFocusRect(event->oldPos());
        updateFocusRect(pos());
    }
}

void PictureBox::focusInEvent(QFocusEvent*)
{
    updateFocusRect(pos());
}

void PictureBox::focusOutEvent(QFocusEvent*)
{
    updateFocusRect(pos());
}

void PictureBox::showEvent(QShowEvent*)
{
    layoutClientArea();
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = true;
    emit pressed(event->button(), event->modifiers(), pictureAt(event->position()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->buttons(), event->modifiers(), pictureAt(event->position()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = std::exchange(pressed_, false);
    // A click is a press and a release of any button over the box.
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
    if (wasPressed)
        emit released();
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    // Auto-repeated presses too, as the window system repeats them.
    emit keyDown(virtualKeyCode(event->key(), event->modifiers()), shiftState(event->modifiers()));
    QWidget::keyPressEvent(event);
}

} // namespace orvane
