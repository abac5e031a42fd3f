#include "MapOverview.h"

#include "CellDrawing.h"
#include "ChipDraw.h"
#include "MazeState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cstring>

namespace orvane {
namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;
// The route as on the map, a white line edged in black, its width in
// pixels a part of the cell's; a trap a red cross, or a red square on cells
// too small for one.
constexpr int RouteWidthPart = 8;
constexpr int TrapInsetPart = 4;
constexpr int TrapCrossMinScale = 6;
const QColor RouteColour(Qt::white);
const QColor EdgeColour(Qt::black);
const QColor TrapColour(255, 0, 0);

// The line through `centres`, `width` pixels wide, each step a rectangle.
void fillRoute(QPainter& p, const std::vector<QPoint>& centres, int width, const QColor& colour)
{
    const int before = width / 2;
    const int after = width - 1 - before;
    for (size_t i = 0; i < centres.size(); ++i) {
        const QPoint a = centres[i];
        const QPoint b = i + 1 < centres.size() ? centres[i + 1] : a;
        p.fillRect(QRect(a, b).normalized().adjusted(-before, -before, after, after), colour);
    }
}

} // namespace

int overviewScale(QSize cells, QSize area)
{
    if (cells.isEmpty())
        return ChipSize;
    return std::clamp(std::min(area.width() / cells.width(), area.height() / cells.height()), 1,
                      ChipSize);
}

MapOverview::MapOverview(const MazeState& maze, const ChipSheet& chips, QWidget* parent)
    : QWidget(parent, Qt::Tool), maze_(maze), chips_(chips)
{
    setWindowTitle(tr("全体図"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(MinSide, MinSide);
    resize(DefaultSide, DefaultSide);
    mapChanged();
}

QSize MapOverview::headerSize() const
{
    const MazeHeader& h = maze_.header;
    return {h.MapWidth, h.MapHeight};
}

void MapOverview::mapChanged()
{
    mapChanged(headerSize());
}

void MapOverview::mapChanged(QSize cells)
{
    size_ =
        cells.expandedTo(QSize(MapSizeMin, MapSizeMin)).boundedTo(QSize(MapSizeMax, MapSizeMax));
    const MazeHeader& h = maze_.header;
    start_ = {h.StartX, h.StartY};
    goal_ = {h.GoalX, h.GoalY};
    layOut(true);
    describeView();
}

void MapOverview::layOut(bool drawAll)
{
    const int scale = overviewScale(size_, size());
    if (scale != scale_) {
        scale_ = scale;
        tiles_.clear();
        const int side = std::clamp(scale_, MarkerMinSide, ChipSize);
        startMarker_ = chips_.maskedChip(StartMarker)
                           .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        goalMarker_ = chips_.maskedChip(GoalMarker)
                          .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        drawAll = true;
    }
    if (drawAll) {
        if (picture_.size() != size_ * scale_)
            picture_ = QImage(size_ * scale_, QImage::Format_RGB32);
        drawCells(QRect(QPoint(0, 0), size_));
    }
    origin_ = QPoint(std::max(0, width() - picture_.width()) / 2,
                     std::max(0, height() - picture_.height()) / 2);
    update();
}

void MapOverview::cellsChanged(const QRect& cells)
{
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

void MapOverview::showRoute(std::vector<QPoint> route, std::vector<QPoint> traps)
{
    route_ = std::move(route);
    traps_ = std::move(traps);
    showsRoute_ = true;
    update();
}

void MapOverview::hideRoute()
{
    if (!showsRoute_)
        return;
    showsRoute_ = false;
    route_.clear();
    traps_.clear();
    update();
}

QPoint MapOverview::cellAt(QPoint pos) const
{
    const QPoint at = pos - origin_;
    return {std::clamp(at.x() / scale_, 0, size_.width() - 1),
            std::clamp(at.y() / scale_, 0, size_.height() - 1)};
}

QRect MapOverview::pixelsOf(const QRect& cells) const
{
    return {origin_ + cells.topLeft() * scale_, cells.size() * scale_};
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
        update(markerRect(*marker).translated(origin_));
        *marker = now;
        update(markerRect(*marker).translated(origin_));
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

void MapOverview::paintRoute(QPainter& p) const
{
    const int inset = scale_ / TrapInsetPart;
    for (QPoint cell : traps_) {
        const QRect cross = QRect(cell * scale_, QSize(scale_, scale_))
                                .adjusted(inset, inset, -inset - 1, -inset - 1);
        if (scale_ < TrapCrossMinScale) {
            p.fillRect(cross.adjusted(0, 0, 1, 1), TrapColour);
            continue;
        }
        p.setPen(QPen(TrapColour, std::max(1, scale_ / RouteWidthPart)));
        p.drawLine(cross.topLeft(), cross.bottomRight());
        p.drawLine(cross.topRight(), cross.bottomLeft());
    }
    std::vector<QPoint> centres;
    centres.reserve(route_.size());
    for (QPoint cell : route_)
        centres.push_back(cell * scale_ + QPoint(scale_, scale_) / 2);
    const int width = std::max(1, scale_ / RouteWidthPart);
    fillRoute(p, centres, width + 2, EdgeColour);
    fillRoute(p, centres, width, RouteColour);
}

void MapOverview::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect pictureRect(origin_, picture_.size());
    for (const QRect& margin : QRegion(event->rect()).subtracted(pictureRect))
        painter.fillRect(margin, palette().window());
    const QRect shown = event->rect() & pictureRect;
    painter.drawImage(shown, picture_, shown.translated(-origin_));
    painter.translate(origin_);
    if (showsRoute_)
        paintRoute(painter);
    painter.drawImage(markerRect(start_), startMarker_);
    painter.drawImage(markerRect(goal_), goalMarker_);
    // The view's outline, dark outside and light inside, so it shows on any chip.
    const QRect outline = pixelsOf(view_).translated(-origin_) & picture_.rect();
    if (outline.isEmpty())
        return;
    painter.setPen(Qt::black);
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(outline.adjusted(1, 1, -2, -2));
}

void MapOverview::resizeEvent(QResizeEvent*)
{
    layOut(false);
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

void MapOverview::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        zoomAngle_ += delta.y();
        const int steps = zoomAngle_ / WheelNotch;
        zoomAngle_ -= steps * WheelNotch;
        if (steps != 0)
            emit zoomRequested(steps, cellAt(event->position().toPoint()));
        return;
    }
    // As on the map: Shift turns the wheel sideways; a tilt is sideways.
    const bool sideways = (event->modifiers() & Qt::ShiftModifier) || delta.y() == 0;
    scrollAngle_ += sideways && delta.x() != 0 ? delta.x() : delta.y();
    const int notches = scrollAngle_ / WheelNotch;
    scrollAngle_ -= notches * WheelNotch;
    const int cells = -notches * QApplication::wheelScrollLines();
    if (cells != 0)
        emit scrollRequested(sideways ? QPoint(cells, 0) : QPoint(0, cells));
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
