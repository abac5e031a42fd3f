#pragma once

#include "MazeCell.h"
#include "MazeConstants.h"

#include <QHash>
#include <QImage>
#include <QWidget>

#include <vector>

namespace orvane {

class ChipSheet;
struct MazeState;

// The whole pixels a cell takes when a map of `cells` is shown in `area`
// pixels: the most that fit, 1..ChipSize.
int overviewScale(QSize cells, QSize area);

// The editor's overview, "全体図": a tool window of its own showing the whole
// map, every cell a square of scale() pixels (the most that fit the window,
// the map centred in it), with the start and goal marked, the check's route
// when it is given and the editor's view outlined. A click centres the view
// on the cell clicked; a drag that starts inside the view's outline moves it
// as grabbed; the wheel asks for the view to scroll (Ctrl: to zoom). It
// follows edits as the editor reports them: only the cells reported are
// drawn again.
class MapOverview : public QWidget {
    Q_OBJECT
public:
    static constexpr int DefaultSide = 256;    // the inside's side when it first opens
    static constexpr int MinSide = MapSizeMax; // every cell of any map at least a pixel
    // The markers' least side, so that they show on a large map.
    static constexpr int MarkerMinSide = 8;

    // The window belongs to `parent` (the editor's main window) and stays
    // above it.
    MapOverview(const MazeState& maze, const ChipSheet& chips, QWidget* parent = nullptr);

    // Draws the whole map again at the scale that fits: after a load, a size
    // change, a new maze. The map is `cells` in size, which the header may
    // not tell yet while the map is being drawn; or as the header says.
    void mapChanged(QSize cells);
    void mapChanged();
    // Draws the cells of `cells` again (clipped to the map), and the markers
    // where they moved.
    void cellsChanged(const QRect& cells);
    // The editor's view: its top-left cell and its size in cells.
    void setView(const QRect& cells);
    QRect view() const { return view_; }
    // The check's route (the cells the ball passes, in order) and its trap
    // cells drawn over the map; or taken away.
    void showRoute(std::vector<QPoint> route, std::vector<QPoint> traps);
    void hideRoute();
    bool showsRoute() const { return showsRoute_; }

    int scale() const { return scale_; }
    // The map as drawn, scale() pixels a cell, without markers or outline.
    const QImage& picture() const { return picture_; }
    // Where the picture's top-left lies in the window.
    QPoint origin() const { return origin_; }
    // The map cell at a point of the window, clamped to the map.
    QPoint cellAt(QPoint pos) const;

signals:
    // The user moved the view: its new top-left cell, the view lying inside
    // the map where the map is large enough.
    void viewMoved(QPoint topLeft);
    // The wheel: the view is to scroll by `cells` (Shift+wheel sideways).
    void scrollRequested(QPoint cells);
    // Ctrl+wheel: the editor's map is to zoom `steps` notches (in when
    // positive), keeping `cell` where it is.
    void zoomRequested(int steps, QPoint cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize headerSize() const;
    // Fits the picture to the window, drawing the whole map again at a new
    // scale, or when `drawAll`.
    void layOut(bool drawAll);
    // The window's pixels of `cells`.
    QRect pixelsOf(const QRect& cells) const;
    // Where a marker at `cell` is drawn, in the picture; empty when it lies
    // off the map.
    QRect markerRect(QPoint cell) const;
    // The picture of a cell holding `cell`, scale() pixels square.
    const QImage& tile(MazeCell cell);
    void drawCells(const QRect& cells);
    void paintRoute(QPainter& painter) const;
    // Repaints the markers' old and new places when they moved.
    void followMarkers();
    // Moves the view to `topLeft` (kept inside the map) and reports it.
    void moveView(QPoint topLeft);
    void describeView();

    const MazeState& maze_;
    const ChipSheet& chips_;
    QSize size_;    // the map's size in cells, as drawn
    int scale_ = 0; // pixels a cell
    QPoint origin_;
    QImage picture_;
    QHash<quint32, QImage> tiles_; // by Chip and Item, at scale_
    QImage startMarker_;
    QImage goalMarker_;
    QPoint start_;
    QPoint goal_;
    QRect view_;
    QPoint grab_; // the cell held, from the view's top-left, while dragging
    bool showsRoute_ = false;
    std::vector<QPoint> route_;
    std::vector<QPoint> traps_;
    int scrollAngle_ = 0; // the part of a wheel notch not scrolled yet
    int zoomAngle_ = 0;   // and not zoomed yet
};

} // namespace orvane
