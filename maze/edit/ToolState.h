#pragma once

#include "Region.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <optional>

namespace orvane {

struct MazeHeader;

// A pasted region floating over the map until it is placed: the region and
// the map cell its top-left cell lies on.
struct FloatingPaste {
    Region region;
    QPoint cell;
};

// What the construction tools keep from one action to the next on one maze:
// the selection with the corner it grows from, the cell a Shift+click line
// starts from, and the paste that floats. The maze's history owns it and
// tells it of every change of the map's size or whole content, so that no
// tool acts on a map that is gone: the selection is clipped to the map
// (dropped when nothing of it is left), the line's start is forgotten, a
// floating paste stays whole.
class ToolState : public QObject {
    Q_OBJECT
public:
    const std::optional<QRect>& selection() const { return selection_; }
    // The corner a selection grows from by Ctrl+Shift+arrows.
    QPoint selectionAnchor() const { return anchor_; }
    // Selects the cells of `cells` the map shows, none when that leaves
    // nothing; the anchor is the top-left cell.
    void select(std::optional<QRect> cells, const MazeHeader& map);
    // Selects the cells between `anchor` and `corner`, keeping the anchor.
    void selectBetween(QPoint anchor, QPoint corner, const MazeHeader& map);

    const std::optional<QPoint>& lineStart() const { return lineStart_; }
    void setLineStart(std::optional<QPoint> cell) { lineStart_ = cell; }

    const std::optional<FloatingPaste>& paste() const { return paste_; }
    void startPaste(Region region, QPoint cell);
    void movePaste(QPoint cell);
    void turnOrMirrorPaste(TurnOrMirror how);
    void dropPaste();

    // The map changed its size or became another maze.
    void mapChanged(const MazeHeader& map);
    // Forgets everything: a new maze in a new editor.
    void reset();

signals:
    void selectionChanged();
    // A paste began, turned or ended; pasteMoved when only its place changed.
    void pasteChanged();
    void pasteMoved();

private:
    void setSelection(std::optional<QRect> cells, const MazeHeader& map);

    std::optional<QRect> selection_;
    QPoint anchor_;
    std::optional<QPoint> lineStart_;
    std::optional<FloatingPaste> paste_;
};

} // namespace orvane
