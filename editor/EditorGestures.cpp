// The pointer on the editor's map beyond the specified painting: what a
// press with Ctrl or Shift starts, the floating paste following the pointer;
// and moving around a large map: scrolling at the view's edge and by the
// wheel.

#include "frmEdit.h"

#include "EditorSession.h"
#include "FloatingRegion.h"
#include "MazeState.h"
#include "PictureBox.h"
#include "VirtualKeys.h"
#include "edit/Line.h"
#include "edit/Paint.h"
#include "edit/ShownCells.h"

#include <QApplication>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace orvane {
namespace {

// How often the map scrolls on while a drag is held at the view's edge.
constexpr int EdgeScrollIntervalMs = 60;
// One notch of a mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

// -1, 0 or 1: past which end of 0..size-1 `at` lies, its outermost part
// included.
int edgeWay(int at, int size, int band)
{
    return at < band ? -1 : at >= size - band ? 1 : 0;
}

} // namespace

int frmEdit::buttonState(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? MouseButton::Left : 0) |
           (buttons & Qt::RightButton ? MouseButton::Right : 0) |
           (buttons & Qt::MiddleButton ? MouseButton::Middle : 0);
}

void frmEdit::mapPressed(Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at)
{
    session_.history.endStep(); // a drag is one step from press to release
    picMap_MouseMove(0, shiftState(keys), at.x(), at.y()); // the pressed cell, painting nothing
    const bool ctrl = keys & Qt::ControlModifier;
    const bool shift = keys & Qt::ShiftModifier;
    if (isPasting())
        gesture_ = Gesture::Place;
    else if (button != Qt::LeftButton || (!ctrl && !shift))
        gesture_ = Gesture::Paint; // as specified: a click with any button paints
    else if (ctrl && shift)
        gesture_ = Gesture::Flood;
    else if (ctrl)
        gesture_ = Gesture::Select;
    else
        gesture_ = Gesture::Line;
    if (gesture_ == Gesture::Select) {
        selectionAnchor_ = frameCell();
        setSelection(QRect(selectionAnchor_, QSize(1, 1)));
    }
    if (gesture_ == Gesture::Paint)
        dragFrom_ = frameCell();
}

void frmEdit::mapMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at)
{
    // Only the specified gesture paints as it moves; the others track.
    const bool paints = gesture_ == Gesture::Paint || (gesture_ == Gesture::None && !isPasting());
    picMap_MouseMove(paints ? buttonState(buttons) : 0, shiftState(keys), at.x(), at.y());
    if (gesture_ == Gesture::Select && (buttons & Qt::LeftButton))
        setSelection(cellsBetween(selectionAnchor_, frameCell()));
    if (isPasting())
        floating_->moveToCell(frameCell());
    const bool drags =
        (gesture_ == Gesture::Paint || gesture_ == Gesture::Select) && (buttons & Qt::LeftButton);
    if (drags)
        scrollAtEdge(at + picMap->pos(), buttons, keys);
    else
        edgeScroll_->stop();
}

void frmEdit::mapClicked()
{
    const QPoint cell = frameCell();
    switch (gesture_) {
    case Gesture::Place:
        placePaste();
        break;
    case Gesture::Flood:
        floodFill(cell);
        break;
    case Gesture::Select:
        break;
    case Gesture::Line: {
        setSelection(std::nullopt); // a click without Ctrl drops it
        const QPoint from = lastPainted_.value_or(cell);
        session_.history.step(EditKind::Line, lineBounds(maze_, from, cell),
                              [&] { return PaintLine(maze_, mapCanvas(), from, cell); });
        lastPainted_ = cell;
        break;
    }
    case Gesture::Paint:
    case Gesture::None:
        setSelection(std::nullopt);
        picMap_Click();
        break;
    }
}

void frmEdit::mapReleased()
{
    gesture_ = Gesture::None;
    dragFrom_.reset();
    edgeScroll_->stop();
    session_.history.endStep();
}

bool frmEdit::toolKeyDown(int keyCode, int shift)
{
    const bool arrow = keyCode >= VirtualKey::Left && keyCode <= VirtualKey::Down;
    if (isPasting()) {
        if (keyCode == VirtualKey::Return || keyCode == VirtualKey::Space) {
            placePaste();
            return true;
        }
        if (arrow) {
            picMap_KeyDown(keyCode, 0); // the frame, and the paste with it
            floating_->moveToCell(frameCell());
            return true;
        }
        return false;
    }
    if (arrow && (shift & ShiftDown) && (shift & CtrlDown)) {
        extendSelection(keyCode);
        return true;
    }
    return false;
}

void frmEdit::scrollAtEdge(QPoint inView, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys)
{
    const int view = ViewportCells * ChipSize;
    edgeStep_ = {edgeWay(inView.x(), view, ChipSize / 2), edgeWay(inView.y(), view, ChipSize / 2)};
    edgePointer_ = inView;
    edgeButtons_ = buttons;
    edgeKeys_ = keys;
    if (edgeStep_.isNull())
        edgeScroll_->stop();
    else if (!edgeScroll_->isActive())
        edgeScroll_->start(EdgeScrollIntervalMs);
}

void frmEdit::scrollByWheel(const QWheelEvent& wheel)
{
    // Shift turns the wheel sideways, as in most programs; a tilt is sideways.
    const QPoint delta = wheel.angleDelta();
    const bool sideways = (wheel.modifiers() & Qt::ShiftModifier) || delta.y() == 0;
    wheelAngle_ += sideways && delta.x() != 0 ? delta.x() : delta.y();
    const int notches = wheelAngle_ / WheelNotch;
    wheelAngle_ -= notches * WheelNotch;
    QScrollBar* bar = sideways ? scrYoko : scrTate;
    bar->setValue(bar->value() - notches * QApplication::wheelScrollLines());
}

void frmEdit::connectGestures()
{
    edgeScroll_ = new QTimer(this);
    connect(edgeScroll_, &QTimer::timeout, this, [this] {
        const QPoint was(scrYoko->value(), scrTate->value());
        scrYoko->setValue(scrYoko->value() + edgeStep_.x());
        scrTate->setValue(scrTate->value() + edgeStep_.y());
        if (QPoint(scrYoko->value(), scrTate->value()) == was) {
            edgeScroll_->stop(); // the map's end
            return;
        }
        // The pointer stands still over a map that moved: a move where it is.
        const QPoint at = edgePointer_ - picMap->pos();
        mapMoved(edgeButtons_, edgeKeys_, at);
    });
    connect(picMap, &PictureBox::pressed, this, &frmEdit::mapPressed);
    connect(picMap, &PictureBox::mouseMoved, this, &frmEdit::mapMoved);
    connect(picMap, &PictureBox::clicked, this, &frmEdit::mapClicked);
    connect(picMap, &PictureBox::released, this, &frmEdit::mapReleased);
    connect(picMap, &PictureBox::keyDown, this, [this](int keyCode, int shift) {
        if (!toolKeyDown(keyCode, shift))
            picMap_KeyDown(keyCode, shift);
    });
    picMap->installEventFilter(this); // the wheel
}

} // namespace orvane
