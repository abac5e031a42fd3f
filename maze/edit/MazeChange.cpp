#include "MazeChange.h"

#include "CellDrawing.h"
#include "MapCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"

namespace orvane {
namespace {

// Writes the header fields that differ between `from` and `to`.
void setChangedFields(MazeHeader& header, const MazeHeader& from, const MazeHeader& to)
{
    const auto set = [](auto& field, const auto& was, const auto& now) {
        if (was != now)
            field = now;
    };
    set(header.Title, from.Title, to.Title);
    set(header.TimeLimit, from.TimeLimit, to.TimeLimit);
    set(header.StartX, from.StartX, to.StartX);
    set(header.StartY, from.StartY, to.StartY);
    set(header.GoalX, from.GoalX, to.GoalX);
    set(header.GoalY, from.GoalY, to.GoalY);
    set(header.MusicFile, from.MusicFile, to.MusicFile);
    set(header.MapWidth, from.MapWidth, to.MapWidth);
    set(header.MapHeight, from.MapHeight, to.MapHeight);
}

} // namespace

QRect mapCells(int width, int height)
{
    return QRect(0, 0, width + 1, height + 1);
}

QRect gridCells()
{
    return QRect(GridMin, GridMin, GridSpan, GridSpan);
}

MazeChange::MazeChange(std::vector<CellChange> cells, MazeHeader before, MazeHeader after)
    : cells_(std::move(cells)), before_(std::move(before)), after_(std::move(after))
{
}

bool MazeChange::changesSize() const
{
    return before_.MapWidth != after_.MapWidth || before_.MapHeight != after_.MapHeight;
}

qsizetype MazeChange::memorySize() const
{
    return qsizetype(sizeof(*this) + cells_.capacity() * sizeof(CellChange)) +
           before_.Title.size() + before_.MusicFile.size() + after_.Title.size() +
           after_.MusicFile.size();
}

void MazeChange::apply(MazeState& maze, MapCanvas* canvas, bool redo) const
{
    const MazeHeader& from = redo ? before_ : after_;
    const MazeHeader& to = redo ? after_ : before_;
    for (const CellChange& c : cells_)
        maze.cell(c.x, c.y) = redo ? c.after : c.before;
    setChangedFields(maze.header, from, to);
    if (!canvas)
        return;
    if (changesSize()) {
        RedrawMap(maze, *canvas, to.MapWidth, to.MapHeight);
        return;
    }
    std::vector<QPoint> cells;
    cells.reserve(cells_.size() + 4);
    for (const CellChange& c : cells_)
        cells.emplace_back(c.x, c.y);
    // A marker that moved leaves its old cell and shows on its new one.
    if (from.StartX != to.StartX || from.StartY != to.StartY)
        cells.insert(cells.end(), {QPoint(from.StartX, from.StartY), QPoint(to.StartX, to.StartY)});
    if (from.GoalX != to.GoalX || from.GoalY != to.GoalY)
        cells.insert(cells.end(), {QPoint(from.GoalX, from.GoalY), QPoint(to.GoalX, to.GoalY)});
    DrawCells(maze, *canvas, cells);
    canvas->refreshMap();
}

EditStep::EditStep(const MazeState& maze)
    : header_(maze.header), isWatched_(size_t(GridCellCount), false)
{
}

void EditStep::watch(const MazeState& maze, QRect cells)
{
    cells &= gridCells();
    watched_.reserve(watched_.size() + size_t(cells.width()) * size_t(cells.height()));
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        for (int x = cells.left(); x <= cells.right(); ++x) {
            const auto index = size_t(MazeGrid::index(x, y));
            if (isWatched_[index])
                continue;
            isWatched_[index] = true;
            watched_.push_back({int16_t(x), int16_t(y), maze.cell(x, y), {}});
        }
    }
}

bool EditStep::changed(const MazeState& maze) const
{
    if (maze.header != header_)
        return true;
    for (const CellChange& c : watched_)
        if (maze.cell(c.x, c.y) != c.before)
            return true;
    return false;
}

MazeChange EditStep::finish(const MazeState& maze) &&
{
    std::erase_if(watched_, [&](CellChange& c) {
        c.after = maze.cell(c.x, c.y);
        return c.after == c.before;
    });
    if (watched_.size() < watched_.capacity() / 2) // a fill that changed a few cells
        watched_.shrink_to_fit();
    return MazeChange(std::move(watched_), std::move(header_), maze.header);
}

} // namespace orvane
