#pragma once

#include "ToolContext.h"

#include <QObject>
#include <QRect>

#include <optional>

namespace orvane {

class SelectionOverlay;
enum class TurnOrMirror;

// The selection: Ctrl+drag, Ctrl+A and Ctrl+Shift+arrows make it, Esc drops
// it; the clipboard's copy and cut, Delete, O, and R, H, V act on it. It is
// the history's (ToolState), shown over the map as a dashed outline.
class SelectTool : public QObject, public MapTool {
    Q_OBJECT
public:
    explicit SelectTool(const ToolContext& context);

    const std::optional<QRect>& cells() const;

    void press(QPoint cell) override;
    void move(QPoint cell, bool dragging) override;
    bool scrollsAtEdge() const override { return true; }

    void all();                          // Ctrl+A
    void extend(int arrowKeyCode);       // Ctrl+Shift+arrow, from the cursor cell
    void copy();                         // Ctrl+C
    void cut();                          // Ctrl+X
    void paint();                        // Delete
    void outline();                      // O
    void turnOrMirror(TurnOrMirror how); // R, H, V
    void drop();                         // Esc
    // Outlines the selection as the map shows it now.
    void show();

private:
    const ToolContext& c_;
    SelectionOverlay* overlay_;
};

} // namespace orvane
