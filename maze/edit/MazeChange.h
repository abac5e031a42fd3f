#pragma once

#include "MazeCell.h"
#include "MazeHeader.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
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

class MazeGrid;

// Where the user stood in the editor: the palette's chip and the map view's
// scroll position, in cells.
struct EditorPlace {
    int16_t selectedChip = 0;
    int16_t chipCol = 0;
    int16_t chipRow = 0;
    int16_t scrollX = 0;
    int16_t scrollY = 0;

    friend bool operator==(const EditorPlace&, const EditorPlace&) = default;
};

// What a step records whole rather than cell by cell: the maze's header and
// the maze file the editor last loaded it from or saved it to; for a step
// from one whole maze to another, also where the user stood.
struct MazeDocument {
    MazeHeader header;
    QString mazePath; // empty when it came from no file
    std::optional<EditorPlace> place;

    friend bool operator==(const MazeDocument&, const MazeDocument&) = default;
};

// What one editing step changed in a maze: the cells, and the document before
// and after it. Only the fields that differ are ever written back, so that a
// title typed after the step survives undoing it.
class MazeChange {
public:
    MazeChange(std::vector<CellChange> cells, MazeDocument before, MazeDocument after);
    // From one whole maze to another: every cell that differs.
    static MazeChange between(const MazeGrid& before, MazeDocument beforeDocument,
                              const MazeGrid& after, MazeDocument afterDocument);

    bool changesSize() const;
    // The document before or after the step.
    const MazeDocument& document(bool afterStep) const { return afterStep ? after_ : before_; }
    const MazeHeader& header(bool afterStep) const { return document(afterStep).header; }
    const std::vector<CellChange>& cells() const { return cells_; }
    // Roughly what the change holds in memory, in bytes.
    qsizetype memorySize() const;
    // Whether the maze stands as the step left it: every cell and header
    // field it changed holds its value after the step, so that undo takes it
    // back exactly. The maze file is not asked: a save changes it outside
    // any step.
    bool isUndoableOn(const MazeState& maze) const;

    // Puts the maze and its path (and the palette's chip, where the step
    // knows it) into their state after (redo) or before (undo) the step and
    // draws what that changed: the cells and the markers' cells, or the whole
    // map when the size changes. The canvas may be null (no map is open).
    void apply(MazeState& maze, QString& mazePath, MapCanvas* canvas, bool redo) const;

private:
    std::vector<CellChange> cells_;
    MazeDocument before_;
    MazeDocument after_;
};

// Records one editing step: the cells a rule may change are watched before it
// runs, and finish() keeps those that did change.
class EditStep {
public:
    EditStep(const MazeState& maze, const QString& mazePath);

    // Notes the cells of `cells` (grid coordinates, clipped to the grid)
    // before they change; cells watched already keep their first value.
    void watch(const MazeState& maze, QRect cells);
    bool changed(const MazeState& maze, const QString& mazePath) const;
    MazeChange finish(const MazeState& maze, const QString& mazePath) &&;
    // What finish() would give now; the step stays open.
    MazeChange snapshot(const MazeState& maze, const QString& mazePath) const;

private:
    MazeDocument document_;
    std::vector<CellChange> watched_; // before values; after filled by finish()
    std::vector<bool> isWatched_;     // by MazeGrid::index
};

// The rectangle of cells 0..width x 0..height, the range redraws and fills visit.
QRect mapCells(int width, int height);
// The whole grid.
QRect gridCells();

} // namespace orvane
