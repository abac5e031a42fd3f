#pragma once

#include "MazeCell.h"

#include <QHash>
#include <QImage>
#include <QWidget>

namespace orvane {

class ChipSheet;
struct MazeState;

// The editor's overview, "全体図": a tool window of its own showing the whole
// map (MapWidth x MapHeight cells) scaled to fit MaxSide pixels, every cell a
// square of scale() pixels, with the start and goal marked and the editor's
// view outlined. A click centres the view on the cell clicked; a drag that
// starts inside the view's outline moves it as grabbed. It follows edits as
// the editor reports them: only the cells reported are drawn again.
class MapOverview : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxSide = 256;
    // The markers' least side, so that they show on a large map.
    static constexpr int MarkerMinSide = 8;

    // The window belongs to `parent` (the editor's main window) and stays
    // above it.
    MapOverview(const MazeState& maze, const ChipSheet& chips, QWidget* parent = nullptr);

    // Draws the whole map again: after a load, a size change, a new maze.
    void mapChanged();
    // Draws the cells of `cells` again (clipped to the map), and the markers
    // where they moved; a map whose size changed is drawn whole.
    void cellsChanged(const QRect& cells);
    // The editor's view: its top-left cell and its size in cells.
    void setView(const QRect& cells);
    QRect view() const { return view_; }

    int scale() const { return scale_; }
    // The map as drawn, scale() pixels a cell, without markers or outline.
    const QImage& picture() const { return picture_; }
    // The map cell at a point of the window, clamped to the map.
    QPoint cellAt(QPoint pos) const;

signals:
    // The user moved the view: its new top-left cell, the view lying inside
    // the map where the map is large enough.
    void viewMoved(QPoint topLeft);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize mapSize() const;
    QRect pixelsOf(const QRect& cells) const;
    // Where a marker at `cell` is drawn; empty when it lies off the map.
    QRect markerRect(QPoint cell) const;
    // The picture of a cell holding `cell`, scale() pixels square.
    const QImage& tile(MazeCell cell);
    void drawCells(const QRect& cells);
    // Repaints the markers' old and new places when they moved.
    void followMarkers();
    // Moves the view to `topLeft` (kept inside the map) and reports it.
    void moveView(QPoint topLeft);
    void describeView();

    const MazeState& maze_;
    const ChipSheet& chips_;
    QSize size_;    // the map's size in cells, as drawn
    int scale_ = 1; // pixels a cell
    QImage picture_;
    QHash<quint32, QImage> tiles_; // by Chip and Item, at scale_
    QImage startMarker_;
    QImage goalMarker_;
    QPoint start_;
    QPoint goal_;
    QRect view_;
    QPoint grab_; // the cell held, from the view's top-left, while dragging
};

} // namespace orvane
