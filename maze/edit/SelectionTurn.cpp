#include "SelectionTurn.h"

#include "MazeState.h"
#include "Paint.h"
#include "RegionPlace.h"
#include "ShownCells.h"
#include "ShownChange.h"

namespace orvane {

QRect turnedSelection(QRect selection, Turn turn)
{
    selection = selection.normalized();
    if (turn == Turn::Clockwise)
        selection.setSize(selection.size().transposed());
    return selection;
}

QRect turnCells(const MazeState& maze, QRect selection, Turn turn)
{
    const QRect cells = shownPart(maze, selection);
    return shownPart(maze, cells | turnedSelection(cells, turn));
}

TurnResult TurnSelection(MazeState& maze, MapCanvas& canvas, QRect selection, Turn turn)
{
    const QRect cells = shownPart(maze, selection);
    if (cells.isEmpty())
        return {false, TurnRefusal::NoCells, selection};
    const QRect target = turnedSelection(cells, turn);
    if (!shownCells(maze.header).contains(target))
        return {false, TurnRefusal::DoesNotFit, selection};
    const ShownChange change(maze, cells | target);
    const Region piece = turned(copyRegion(maze, cells), turn);
    for (int y = cells.top(); y <= cells.bottom(); ++y)
        for (int x = cells.left(); x <= cells.right(); ++x)
            if (!target.contains(x, y))
                PaintRule(maze.cell(x, y), maze.SelectedChip);
    putRegion(maze, piece, target.topLeft(), true);
    return {change.show(maze, canvas), TurnRefusal::None, target};
}

} // namespace orvane
