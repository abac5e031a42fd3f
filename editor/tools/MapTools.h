#pragma once

#include "ClickTools.h"
#include "EdgeScroll.h"
#include "PaintTool.h"
#include "PasteTool.h"
#include "SelectTool.h"
#include "ToolContext.h"

#include <QObject>

class QWheelEvent;

namespace orvane {

enum class TurnOrMirror;

// The editor's tools on its map: one router that receives the map's pointer
// (in pixels of the map picture, as its handlers read them), its keys and
// the wheel, and hands them to the tools. A press chooses the gesture by the
// keys held: none the map's own painting, Ctrl a selection, Shift a line,
// both a flood fill; while a paste floats, the paste. A drag of the painting
// or the selection at the view's edge scrolls on.
class MapTools : public QObject {
    Q_OBJECT
public:
    explicit MapTools(ToolContext context);
    ~MapTools() override;

    PaintTool& paint() { return paint_; }
    SelectTool& select() { return select_; }
    PasteTool& paste() { return paste_; }
    FloodTool& flood() { return flood_; }

    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at);
    void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at);
    void clicked();
    void released();
    // A key pressed on the map: true when a tool took it (the paste's keys,
    // Ctrl+Shift+arrows); else it is the map's own.
    bool keyDown(int keyCode, int shift);
    // The wheel over the map: it scrolls (as far on the screen at every
    // zoom), sideways with Shift; with Ctrl it zooms about the cell under
    // the pointer.
    void wheel(const QWheelEvent& wheel);

    // Shows the selection and the paste as the map shows cells now.
    void showAtZoom();
    // Esc drops the paste, else the selection; R, H and V turn the paste,
    // else the selection.
    void escape();
    void turnOrMirror(TurnOrMirror how);

private:
    // The pointer at `inView` (pixels of the view) moves as it would have.
    void movedInView(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint inView);

    ToolContext context_;
    PaintTool paint_;
    SelectTool select_;
    PasteTool paste_;
    LineTool line_;
    FloodTool flood_;
    EdgeScroll edgeScroll_;
    MapTool* gesture_ = nullptr; // from a press to its release
    int wheelAngle_ = 0;         // a part of a wheel notch not acted on yet
    int zoomAngle_ = 0;
};

} // namespace orvane
