#include "ToolState.h"

#include "MazeHeader.h"
#include "ShownCells.h"

#include <algorithm>

namespace orvane {
namespace {

QPoint inside(QPoint cell, const QRect& cells)
{
    return {std::clamp(cell.x(), cells.left(), cells.right()),
            std::clamp(cell.y(), cells.top(), cells.bottom())};
}

} // namespace

void ToolState::setSelection(std::optional<QRect> cells, const MazeHeader& map)
{
    if (cells && (*cells &= shownCells(map)).isEmpty())
        cells.reset();
    if (cells == selection_)
        return;
    selection_ = cells;
    emit selectionChanged();
}

void ToolState::select(std::optional<QRect> cells, const MazeHeader& map)
{
    setSelection(cells, map);
    if (selection_)
        anchor_ = selection_->topLeft();
}

void ToolState::selectBetween(QPoint anchor, QPoint corner, const MazeHeader& map)
{
    setSelection(cellsBetween(anchor, corner), map);
    if (selection_)
        anchor_ = inside(anchor, *selection_);
}

void ToolState::startPaste(Region region, QPoint cell)
{
    paste_ = FloatingPaste{std::move(region), cell};
    emit pasteChanged();
}

void ToolState::movePaste(QPoint cell)
{
    if (!paste_ || paste_->cell == cell)
        return;
    paste_->cell = cell;
    emit pasteMoved();
}

void ToolState::turnOrMirrorPaste(TurnOrMirror how)
{
    if (!paste_)
        return;
    paste_->region = turnedOrMirrored(paste_->region, how);
    emit pasteChanged();
}

void ToolState::dropPaste()
{
    if (!paste_)
        return;
    paste_.reset();
    emit pasteChanged();
}

void ToolState::mapChanged(const MazeHeader& map)
{
    lineStart_.reset();
    const QPoint anchor = anchor_;
    setSelection(selection_, map);
    if (selection_)
        anchor_ = inside(anchor, *selection_);
}

void ToolState::reset()
{
    lineStart_.reset();
    dropPaste();
    if (selection_) {
        selection_.reset();
        emit selectionChanged();
    }
}

} // namespace orvane
