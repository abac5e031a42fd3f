#pragma once

#include "ToolContext.h"

#include <optional>

namespace orvane {

// The map's own painting, a click or a drag without Ctrl or Shift (a click
// with any button paints, as the map's handlers do), and the picker (I).
class PaintTool : public MapTool {
public:
    explicit PaintTool(const ToolContext& context) : c_(context) {}

    void press(QPoint cell) override;
    void click(QPoint cell) override;
    void release() override { dragFrom_.reset(); }
    bool scrollsAtEdge() const override { return true; }

    // The painting of a pointer move with `buttons` held (picMap_MouseMove):
    // every cell from the one the drag painted last, so that a quick drag
    // leaves no gap; off the map it paints nothing and starts afresh where
    // it comes back.
    void dragStep(int buttons);
    // A drag by keys ends: any key but Shift with an arrow.
    void endDrag();
    // I: the palette's choice becomes what the cursor cell shows on top.
    void pick();

private:
    const ToolContext& c_;
    std::optional<QPoint> dragFrom_; // the cell a drag painted last
};

} // namespace orvane
