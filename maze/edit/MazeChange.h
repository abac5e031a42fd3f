#pragma once

#include "MazeCell.h"
#include "MazeHeader.h"

#include <QRect>

#include <cstdint>
#include <vector>

namespace orvane {

class MapCanvas;
struct MazeState;

// One cell an editing step changed.
struct CellChange {
    int16_t x = 0;
    int16_t y = 0;
    MazeCell before;
    MazeCell after;
};

// What one editing step changed in a maze: the cells, and the header before
// and after it. Only the header fields that differ are ever written back, so
// that a title typed after the step survives undoing it.
class MazeChange {
public:
    MazeChange(std::vector<CellChange> cells, MazeHeader before, MazeHeader after);

    bool changesSize() const;
    // The header before or after the step.
    const MazeHeader& header(bool afterStep) const { return afterStep ? after_ : before_; }
    // Roughly what the change holds in memory, in bytes.
    qsizetype memorySize() const;

    // Puts the maze into its state after (redo) or before (undo) the step and
    // draws what that changed: the cells and the markers' cells, or the whole
    // map when the size changes. The canvas may be null (no map is open).
    void apply(MazeState& maze, MapCanvas* canvas, bool redo) const;

private:
    std::vector<CellChange> cells_;
    MazeHeader before_;
    MazeHeader after_;
};

// Records one editing step: the cells a rule may change are watched before it
// runs, and finish() keeps those that did change.
class EditStep {
public:
    explicit EditStep(const MazeState& maze);

    // Notes the cells of `cells` (grid coordinates, clipped to the grid)
    // before they change; cells watched already keep their first value.
    void watch(const MazeState& maze, QRect cells);
    bool changed(const MazeState& maze) const;
    MazeChange finish(const MazeState& maze) &&;

private:
    MazeHeader header_;
    std::vector<CellChange> watched_; // before values; after filled by finish()
    std::vector<bool> isWatched_;     // by MazeGrid::index
};

// The rectangle of cells 0..width x 0..height, the range redraws and fills visit.
QRect mapCells(int width, int height);
// The whole grid.
QRect gridCells();

} // namespace orvane
