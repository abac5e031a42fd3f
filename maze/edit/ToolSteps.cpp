#include "ToolSteps.h"

#include "EditHistory.h"
#include "Line.h"
#include "MazeState.h"
#include "RectanglePaint.h"
#include "RegionPlace.h"

namespace orvane {

bool PaintSelectionStep(MazeState& maze, EditHistory& history, MapCanvas& canvas)
{
    const std::optional<QRect> cells = history.tools().selection();
    return cells && history.step(EditKind::DeleteOrCut, *cells,
                                 [&] { return PaintRectangle(maze, canvas, *cells); });
}

bool OutlineSelectionStep(MazeState& maze, EditHistory& history, MapCanvas& canvas)
{
    const std::optional<QRect> cells = history.tools().selection();
    return cells && history.step(EditKind::Outline, *cells,
                                 [&] { return PaintOutline(maze, canvas, *cells); });
}

TurnOrMirrorResult TurnOrMirrorSelectionStep(MazeState& maze, EditHistory& history,
                                             MapCanvas& canvas, TurnOrMirror how)
{
    const std::optional<QRect> cells = history.tools().selection();
    if (!cells)
        return {false, TurnRefusal::NoCells, {}};
    TurnOrMirrorResult result;
    history.step(EditKind::TurnOrMirror, turnOrMirrorCells(maze, *cells, how), [&] {
        result = TurnOrMirrorSelection(maze, canvas, *cells, how);
        // Within the step, which keeps the selection after it for its redo.
        history.tools().select(result.selection, maze.header);
        return result.changed;
    });
    return result;
}

bool PlacePasteStep(MazeState& maze, EditHistory& history, MapCanvas& canvas)
{
    ToolState& tools = history.tools();
    if (!tools.paste())
        return false;
    const FloatingPaste paste = *tools.paste();
    tools.dropPaste();
    return history.step(EditKind::Paste, placedCells(maze, paste.region, paste.cell),
                        [&] { return PlaceRegion(maze, canvas, paste.region, paste.cell, true); });
}

bool LineStep(MazeState& maze, EditHistory& history, MapCanvas& canvas, QPoint cell)
{
    const QPoint from = history.tools().lineStart().value_or(cell);
    const bool painted = history.step(EditKind::Line, lineBounds(maze, from, cell),
                                      [&] { return PaintLine(maze, canvas, from, cell); });
    history.tools().setLineStart(cell);
    return painted;
}

} // namespace orvane
