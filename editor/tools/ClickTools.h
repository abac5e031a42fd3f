#pragma once

#include "ToolContext.h"

namespace orvane {

// Shift+click: a straight line from where the last line or painting ended.
class LineTool : public MapTool {
public:
    explicit LineTool(const ToolContext& context) : c_(context) {}
    void click(QPoint cell) override;

private:
    const ToolContext& c_;
};

// Ctrl+Shift+click and F: the flood fill from a cell.
class FloodTool : public MapTool {
public:
    explicit FloodTool(const ToolContext& context) : c_(context) {}
    void click(QPoint cell) override { fill(cell); }
    void fill(QPoint cell);

private:
    const ToolContext& c_;
};

} // namespace orvane
