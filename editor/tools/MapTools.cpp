#include "MapTools.h"

#include "PictureBox.h"
#include "ShapeOutline.h"
#include "ViewZoom.h"
#include "VirtualKeys.h"
#include "edit/EditHistory.h"
#include "frmEdit.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace orvane {
namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

// Whole notches of `angle`, which keeps what is left over.
int takeNotches(int& angle, int delta)
{
    angle += delta;
    const int notches = angle / WheelNotch;
    angle -= notches * WheelNotch;
    return notches;
}

} // namespace

ToolState& ToolContext::state() const
{
    return history.tools();
}

MapTools::MapTools(ToolContext context)
    : context_(std::move(context)), paint_(context_), select_(context_), paste_(context_),
      line_(context_), flood_(context_),
      edgeScroll_(context_.window, [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers keys,
                                          QPoint inView) { movedInView(buttons, keys, inView); })
{
    context_.window.shpWaku->raise(); // the cursor frame over the selection
}

MapTools::~MapTools() = default;

void MapTools::pressed(Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at)
{
    frmEdit& w = context_.window;
    context_.history.endStep(); // a drag is one step from press to release
    w.picMap_MouseMove(0, shiftState(keys), at.x(), at.y()); // the pressed cell, painting nothing
    const bool ctrl = keys & Qt::ControlModifier;
    const bool shift = keys & Qt::ShiftModifier;
    if (paste_.isActive())
        gesture_ = &paste_;
    else if (button != Qt::LeftButton || (!ctrl && !shift))
        gesture_ = &paint_; // a click with any button paints
    else if (ctrl && shift)
        gesture_ = &flood_;
    else if (ctrl)
        gesture_ = &select_;
    else
        gesture_ = &line_;
    gesture_->press(w.frameCell());
}

void MapTools::moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at)
{
    frmEdit& w = context_.window;
    // Only the map's own painting paints as the pointer moves; the others track.
    const bool paints = gesture_ == &paint_ || (!gesture_ && !paste_.isActive());
    w.picMap_MouseMove(paints ? buttonState(buttons) : 0, shiftState(keys), at.x(), at.y());
    const bool dragging = buttons & Qt::LeftButton;
    if (gesture_)
        gesture_->move(w.frameCell(), dragging);
    if (paste_.isActive())
        paste_.follow(w.frameCell());
    if (gesture_ && gesture_->scrollsAtEdge() && dragging)
        edgeScroll_.drag(w.picMap->mapToParent(w.picMap->boxPoint(at)), buttons, keys);
    else
        edgeScroll_.stop();
}

void MapTools::movedInView(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint inView)
{
    const PictureBox* map = context_.window.picMap;
    moved(buttons, keys, map->picturePoint(map->mapFromParent(inView)));
}

void MapTools::clicked()
{
    if (gesture_)
        gesture_->click(context_.window.frameCell());
}

void MapTools::released()
{
    if (gesture_)
        gesture_->release();
    gesture_ = nullptr;
    edgeScroll_.stop();
    context_.history.endStep();
}

bool MapTools::keyDown(int keyCode, int shift)
{
    if (paste_.isActive())
        return paste_.key(keyCode);
    const bool arrow = keyCode >= VirtualKey::Left && keyCode <= VirtualKey::Down;
    if (arrow && (shift & ShiftDown) && (shift & CtrlDown)) {
        select_.extend(keyCode);
        return true;
    }
    return false;
}

void MapTools::wheel(const QWheelEvent& wheel)
{
    frmEdit& w = context_.window;
    const QPoint delta = wheel.angleDelta();
    if (wheel.modifiers() & Qt::ControlModifier) {
        // Away from the user zooms in, about the cell under the pointer.
        const QPoint inView = w.picMap->mapToParent(wheel.position().toPoint());
        for (int notches = takeNotches(zoomAngle_, delta.y()); notches != 0;
             notches += notches > 0 ? -1 : 1)
            w.setZoomAt(notches > 0 ? ViewZoom::zoomedIn(w.zoom()) : ViewZoom::zoomedOut(w.zoom()),
                        inView);
        return;
    }
    // Shift turns the wheel sideways, as in most programs; a tilt is sideways.
    const bool sideways = (wheel.modifiers() & Qt::ShiftModifier) || delta.y() == 0;
    const int notches =
        takeNotches(wheelAngle_, sideways && delta.x() != 0 ? delta.x() : delta.y());
    // A notch goes as far on the screen at every zoom.
    QScrollBar* bar = sideways ? w.scrYoko : w.scrTate;
    bar->setValue(bar->value() - notches * QApplication::wheelScrollLines() * ChipSize / w.zoom());
}

void MapTools::showAtZoom()
{
    select_.show();
    paste_.show();
}

void MapTools::escape()
{
    if (paste_.isActive())
        paste_.drop();
    else
        select_.drop();
}

void MapTools::turnOrMirror(TurnOrMirror how)
{
    if (paste_.isActive())
        paste_.turnOrMirror(how);
    else
        select_.turnOrMirror(how);
}

} // namespace orvane
