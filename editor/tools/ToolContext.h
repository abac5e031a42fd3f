#pragma once

#include <QPoint>

#include <functional>

namespace orvane {

class EditHistory;
class MapCanvas;
class ToolState;
class frmEdit;
struct MazeState;

// What the editor's tools reach: the window with its controls and handlers,
// its maze, the history with the tools' state, and the canvas of its map.
struct ToolContext {
    frmEdit& window;
    MazeState& maze;
    EditHistory& history;
    MapCanvas& canvas;
    // The palette shows the chip chosen; the coordinate label and the map's
    // accessible value show the cursor cell and the selection.
    std::function<void()> showSelectedChip;
    std::function<void()> showCursorCell;

    ToolState& state() const;
};

// A tool on the map: the gesture a press chose receives the pointer until
// the release, in map cells; a tool may take keys too.
class MapTool {
public:
    virtual ~MapTool() = default;
    virtual void press(QPoint /*cell*/) {}
    // A move with the left button held (`dragging`) or not.
    virtual void move(QPoint /*cell*/, bool /*dragging*/) {}
    virtual void click(QPoint /*cell*/) {}
    virtual void release() {}
    // Whether a drag of this gesture scrolls the map on at the view's edge.
    virtual bool scrollsAtEdge() const { return false; }
};

} // namespace orvane
