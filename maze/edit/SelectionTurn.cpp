#include "SelectionTurn.h"

#include "MazeState.h"
#include "Paint.h"
#include "RegionPlace.h"
#include "ShownCells.h"
#include "ShownChange.h"

namespace orvane {

QRect turnedOrMirroredSelection(QRect selection, TurnOrMirror turn)
{
    selection = selection.normalized();
    if (turn != TurnOrMirror::TurnClockwise)
        return selection;
    const auto middle = [](QSize size) { return QPoint(size.width() - 1, size.height() - 1) / 2; };
    const QSize turned = selection.size().transposed();
    return QRect(selection.topLeft() + middle(selection.size()) - middle(turned), turned);
}

QRect turnOrMirrorCells(const MazeState& maze, QRect selection, TurnOrMirror turn)
{
    const QRect cells = shownPart(maze, selection);
    return shownPart(maze, cells | turnedOrMirroredSelection(cells, turn));
}

TurnOrMirrorResult TurnOrMirrorSelection(MazeState& maze, MapCanvas& canvas, QRect selection,
                                         TurnOrMirror turn)
{
    const QRect cells = shownPart(maze, selection);
    if (cells.isEmpty())
        return {false, TurnRefusal::NoCells, selection};
    const QRect target = turnedOrMirroredSelection(cells, turn);
    if (!shownCells(maze.header).contains(target))
        return {false, TurnRefusal::DoesNotFit, selection};
    const ShownChange change(maze, cells | target);
    const Region piece = turnedOrMirrored(copyRegion(maze, cells), turn);
    for (int y = cells.top(); y <= cells.bottom(); ++y)
        for (int x = cells.left(); x <= cells.right(); ++x)
            if (!target.contains(x, y))
                PaintRule(maze.cell(x, y), maze.SelectedChip);
    putRegion(maze, piece, target.topLeft(), true);
    return {change.show(maze, canvas), TurnRefusal::None, target};
}

} // namespace orvane
