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

namespace orvane {
namespace {

// The focus mark: a frame of the selection colour this wide round the part
// of the box shown, and the dotted focus rectangle inside it.
constexpr int FocusFrameWidth = 2;
constexpr int FocusMarkWidth = FocusFrameWidth + 1;

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
    if (image_.size() != clientSize())
        image_ = resizedPicture(image_, clientSize(), background_.rgb());
    return image_;
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

void PictureBox::resizeToCover(int width, int height)
{
    resize(width, height);
    if (image_.size() != clientSize())
        image_ = QImage(clientSize(), QImage::Format_RGB32);
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
    const QRegion region = dirty_.translated(borderWidth(), borderWidth());
    dirty_ = QRegion();
    repaint(region);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const int b = borderWidth();
    const QRect inside = rect().adjusted(b, b, -b, -b);
    for (const QRect& r : event->region()) {
        const QRect area = r & inside;
        if (!area.isEmpty())
            p.drawImage(area.topLeft(), image(), area.translated(-b, -b));
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
    emit pressed(event->button(), event->modifiers(),
                 event->position().toPoint() - QPoint(borderWidth(), borderWidth()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->buttons(), event->modifiers(),
                    event->position().toPoint() - QPoint(borderWidth(), borderWidth()));
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
