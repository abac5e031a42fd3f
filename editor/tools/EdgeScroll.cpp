#include "EdgeScroll.h"

#include "PictureBox.h"
#include "frmEdit.h"

#include <QScrollBar>

namespace orvane {
namespace {

// How often the map scrolls on while a drag is held at the view's edge.
constexpr int IntervalMs = 60;
// How deep the edge is, in pixels of the view.
constexpr int EdgeBand = 8;

// -1, 0 or 1: past which end of 0..size-1 `at` lies, its outermost part
// included.
int edgeWay(int at, int size)
{
    return at < EdgeBand ? -1 : at >= size - EdgeBand ? 1 : 0;
}

} // namespace

EdgeScroll::EdgeScroll(frmEdit& window, MoveAt moveAt) : window_(window), moveAt_(std::move(moveAt))
{
    connect(&timer_, &QTimer::timeout, this, &EdgeScroll::tick);
}

void EdgeScroll::drag(QPoint inView, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys)
{
    const QSize view = window_.picBack->clientArea()->size();
    step_ = {edgeWay(inView.x(), view.width()), edgeWay(inView.y(), view.height())};
    pointer_ = inView;
    buttons_ = buttons;
    keys_ = keys;
    if (step_.isNull())
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start(IntervalMs);
}

void EdgeScroll::tick()
{
    QScrollBar* x = window_.scrYoko;
    QScrollBar* y = window_.scrTate;
    const QPoint was(x->value(), y->value());
    x->setValue(x->value() + step_.x());
    y->setValue(y->value() + step_.y());
    if (QPoint(x->value(), y->value()) == was) {
        timer_.stop(); // the map's end
        return;
    }
    moveAt_(buttons_, keys_, pointer_);
}

} // namespace orvane
