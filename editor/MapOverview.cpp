#include "MapOverview.h"

#include "CellDrawing.h"
#include "ChipDraw.h"
#include "MazeState.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace orvane {
MapOverview::MapOverview(const MazeState& maze, const ChipSheet& chips, QWidget* parent)
    : QWidget(parent, Qt::Tool), maze_(maze), chips_(chips)
{
    setWindowTitle(tr("全体図"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    mapChanged();
}

QSize MapOverview::mapSize() const
{
    const MazeHeader& h = maze_.header;
    return {std::clamp<int>(h.MapWidth, MapSizeMin, MapSizeMax),
            std::clamp<int>(h.MapHeight, MapSizeMin, MapSizeMax)};
}

void MapOverview::mapChanged()
{
    size_ = mapSize();
    const int scale = std::clamp(MaxSide / std::max(size_.width(), size_.height()), 1, ChipSize);
    if (scale != scale_ || startMarker_.isNull()) {
        scale_ = scale;
        tiles_.clear();
        const int side = std::clamp(scale_, MarkerMinSide, ChipSize);
        startMarker_ = chips_.maskedChip(StartMarker)
                           .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        goalMarker_ = chips_.maskedChip(GoalMarker)
                          .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    picture_ = QImage(size_ * scale_, QImage::Format_RGB32);
    setFixedSize(picture_.size());
    drawCells(QRect(QPoint(0, 0), size_));
    const MazeHeader& h = maze_.header;
    start_ = {h.StartX, h.StartY};
    goal_ = {h.GoalX, h.GoalY};
    describeView();
    update();
}

void MapOverview::cellsChanged(const QRect& cells)
{
    if (mapSize() != size_) {
        mapChanged();
        return;
    }
    const QRect drawn = cells.normalized() & QRect(QPoint(0, 0), size_);
    if (!drawn.isEmpty()) {
        drawCells(drawn);
        update(pixelsOf(drawn));
    }
    followMarkers();
}

void MapOverview::setView(const QRect& cells)
{
    if (cells == view_)
        return;
    update(pixelsOf(view_));
    view_ = cells;
    update(pixelsOf(view_));
    describeView();
}

QPoint MapOverview::cellAt(QPoint pos) const
{
    return {std::clamp(pos.x() / scale_, 0, size_.width() - 1),
            std::clamp(pos.y() / scale_, 0, size_.height() - 1)};
}

QRect MapOverview::pixelsOf(const QRect& cells) const
{
    return {cells.topLeft() * scale_, cells.size() * scale_};
}

QRect MapOverview::markerRect(QPoint cell) const
{
    if (!QRect(QPoint(0, 0), size_).contains(cell))
        return {};
    const int side = startMarker_.width();
    const QPoint centre = cell * scale_ + QPoint(scale_, scale_) / 2;
    return {centre - QPoint(side, side) / 2, QSize(side, side)};
}

const QImage& MapOverview::tile(MazeCell cell)
{
    const quint32 key = quint32(quint16(cell.Chip)) << 16 | quint16(cell.Item);
    auto found = tiles_.find(key);
    if (found != tiles_.end())
        return *found;
    // The cell as the map draws it, over black, then shrunk to the scale.
    QImage full(ChipSize, ChipSize, QImage::Format_RGB32);
    full.fill(Qt::black);
    ChipPainter painter(full, chips_);
    drawCellPictures(painter, cellPictures(cell, false, false), 0, 0);
    QImage shrunk = full.scaled(scale_, scale_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    return *tiles_.insert(key, std::move(shrunk));
}

void MapOverview::drawCells(const QRect& cells)
{
    const qsizetype rowBytes = qsizetype(scale_) * qsizetype(sizeof(QRgb));
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        for (int x = cells.left(); x <= cells.right(); ++x) {
            const QImage& picture = tile(maze_.cell(x, y));
            for (int row = 0; row < scale_; ++row)
                std::memcpy(picture_.scanLine(y * scale_ + row) + x * rowBytes,
                            picture.constScanLine(row), size_t(rowBytes));
        }
    }
}

void MapOverview::followMarkers()
{
    const MazeHeader& h = maze_.header;
    for (auto [marker, now] : {std::pair{&start_, QPoint(h.StartX, h.StartY)},
                               std::pair{&goal_, QPoint(h.GoalX, h.GoalY)}}) {
        if (*marker == now)
            continue;
        update(markerRect(*marker));
        *marker = now;
        update(markerRect(*marker));
    }
}

void MapOverview::moveView(QPoint topLeft)
{
    const QPoint kept(std::clamp(topLeft.x(), 0, std::max(0, size_.width() - view_.width())),
                      std::clamp(topLeft.y(), 0, std::max(0, size_.height() - view_.height())));
    if (kept == view_.topLeft())
        return;
    QRect moved = view_;
    moved.moveTopLeft(kept);
    setView(moved);
    emit viewMoved(kept);
}

void MapOverview::describeView()
{
    if (view_.isEmpty())
        return;
    const QRect shown = view_ & QRect(QPoint(0, 0), size_);
    setAccessibleDescription(tr("表示中のマス: %1,%2〜%3,%4")
                                 .arg(shown.left())
                                 .arg(shown.top())
                                 .arg(shown.right())
                                 .arg(shown.bottom()));
}

void MapOverview::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
    painter.drawImage(markerRect(start_), startMarker_);
    painter.drawImage(markerRect(goal_), goalMarker_);
    // The view's outline, dark outside and light inside, so it shows on any chip.
    const QRect outline = pixelsOf(view_) & picture_.rect();
    if (outline.isEmpty())
        return;
    painter.setPen(Qt::black);
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(outline.adjusted(1, 1, -2, -2));
}

void MapOverview::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint cell = cellAt(event->position().toPoint());
    grab_ =
        view_.contains(cell) ? cell - view_.topLeft() : QPoint(view_.width(), view_.height()) / 2;
    moveView(cell - grab_);
}

void MapOverview::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        moveView(cellAt(event->position().toPoint()) - grab_);
}

void MapOverview::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveView(view_.topLeft() - QPoint(1, 0));
        break;
    case Qt::Key_Right:
        moveView(view_.topLeft() + QPoint(1, 0));
        break;
    case Qt::Key_Up:
        moveView(view_.topLeft() - QPoint(0, 1));
        break;
    case Qt::Key_Down:
        moveView(view_.topLeft() + QPoint(0, 1));
        break;
    case Qt::Key_Escape:
    case Qt::Key_M:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace orvane
