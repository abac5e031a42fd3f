#pragma once

#include "ToolContext.h"

#include <QObject>

namespace orvane {

class FloatingRegion;
enum class TurnOrMirror;

// Ctrl+V: the clipboard's region floats over the map with its top-left on
// the cursor cell, follows the pointer and the arrow keys, turns with R, H
// and V, and is placed by a click, Enter or Space, or dropped by Esc. It is
// the history's (ToolState): it stays whole whatever happens to the map.
class PasteTool : public QObject, public MapTool {
    Q_OBJECT
public:
    explicit PasteTool(const ToolContext& context);

    bool isActive() const;
    void click(QPoint) override { place(); }

    void paste(); // Ctrl+V
    void place();
    void drop();
    void turnOrMirror(TurnOrMirror how);
    // Where the cursor frame goes, the paste goes.
    void follow(QPoint cell);
    // The arrow keys move it, Enter and Space place it: true when `keyCode`
    // is one of them.
    bool key(int keyCode);
    // Shows it as the map shows cells now.
    void show();

signals:
    void activeChanged(bool active);

private:
    const ToolContext& c_;
    FloatingRegion* floating_;
};

} // namespace orvane
