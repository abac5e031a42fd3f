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

MazeChange::MazeChange(std::vector<CellChange> cells, MazeDocument before, MazeDocument after)
    : cells_(std::move(cells)), before_(std::move(before)), after_(std::move(after))
{
}

MazeChange MazeChange::between(const MazeGrid& before, MazeDocument beforeDocument,
                               const MazeGrid& after, MazeDocument afterDocument)
{
    std::vector<CellChange> cells;
    for (int y = GridMin; y <= GridMax; ++y)
        for (int x = GridMin; x <= GridMax; ++x)
            if (before.at(x, y) != after.at(x, y))
                cells.push_back({int16_t(x), int16_t(y), before.at(x, y), after.at(x, y)});
    return MazeChange(std::move(cells), std::move(beforeDocument), std::move(afterDocument));
}

bool MazeChange::isUndoableOn(const MazeState& maze) const
{
    for (const CellChange& c : cells_)
        if (maze.cell(c.x, c.y) != c.after)
            return false;
    MazeHeader now = maze.header;
    setChangedFields(now, before_.header, after_.header); // as the step left it
    return now == maze.header;
}

bool MazeChange::changesSize() const
{
    return before_.header.MapWidth != after_.header.MapWidth ||
           before_.header.MapHeight != after_.header.MapHeight;
}

qsizetype MazeChange::memorySize() const
{
    const auto texts = [](const MazeDocument& d) {
        return d.header.Title.capacity() + d.header.MusicFile.capacity() +
               d.mazePath.capacity() * qsizetype(sizeof(QChar));
    };
    return qsizetype(sizeof(*this) + cells_.capacity() * sizeof(CellChange)) + texts(before_) +
           texts(after_);
}

void MazeChange::apply(MazeState& maze, QString& mazePath, MapCanvas* canvas, bool redo) const
{
    const MazeHeader& from = header(!redo);
    const MazeHeader& to = header(redo);
    for (const CellChange& c : cells_)
        maze.cell(c.x, c.y) = redo ? c.after : c.before;
    setChangedFields(maze.header, from, to);
    if (before_.mazePath != after_.mazePath)
        mazePath = document(redo).mazePath;
    if (const std::optional<EditorPlace>& place = document(redo).place) {
        maze.SelectedChip = place->selectedChip;
        maze.ChipCol = place->chipCol;
        maze.ChipRow = place->chipRow;
    }
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

EditStep::EditStep(const MazeState& maze, const QString& mazePath)
    : document_{maze.header, mazePath, std::nullopt}, isWatched_(size_t(GridCellCount), false)
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

bool EditStep::changed(const MazeState& maze, const QString& mazePath) const
{
    if (maze.header != document_.header || mazePath != document_.mazePath)
        return true;
    for (const CellChange& c : watched_)
        if (maze.cell(c.x, c.y) != c.before)
            return true;
    return false;
}

MazeChange EditStep::snapshot(const MazeState& maze, const QString& mazePath) const
{
    std::vector<CellChange> cells;
    for (CellChange c : watched_) {
        c.after = maze.cell(c.x, c.y);
        if (c.after != c.before)
            cells.push_back(c);
    }
    return MazeChange(std::move(cells), document_, {maze.header, mazePath, std::nullopt});
}

MazeChange EditStep::finish(const MazeState& maze, const QString& mazePath) &&
{
    std::erase_if(watched_, [&](CellChange& c) {
        c.after = maze.cell(c.x, c.y);
        return c.after == c.before;
    });
    if (watched_.size() < watched_.capacity() / 2) // a fill that changed a few cells
        watched_.shrink_to_fit();
    return MazeChange(std::move(watched_), std::move(document_),
                      {maze.header, mazePath, std::nullopt});
}

} // namespace orvane
