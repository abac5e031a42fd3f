#pragma once

#include "Region.h"

#include <QRect>

namespace orvane {

class MapCanvas;
struct MazeState;

// Why a selection was not turned.
enum class TurnRefusal {
    None,
    NoCells,    // the map shows no cell of the selection
    DoesNotFit, // turned, it would reach past the map's edge
};

struct TurnOrMirrorResult {
    bool changed = false;
    TurnRefusal refusal = TurnRefusal::None;
    QRect selection; // the selection after the turn (as it was when refused)
};

// The selection a turn or mirror leaves: a mirror the same one; a quarter
// turn one with width and height swapped about the same centre cell (of an
// even side, the middle cell nearer the top-left).
QRect turnedOrMirroredSelection(QRect selection, TurnOrMirror turn);

// The cells a turn of `selection` may change: it and the selection it turns
// into, where the map shows them.
QRect turnOrMirrorCells(const MazeState& maze, QRect selection, TurnOrMirror turn);

// R, H and V on a selection: the cells of `selection` the map shows are
// lifted out, turned or mirrored (turnedOrMirrored: arrows and markers with
// their cells) and put back about the same centre cell
// (turnedOrMirroredSelection). A quarter turn whose result would reach past
// the map is refused and changes nothing. The cells of the
// old selection that the turned one no longer covers are treated as Delete
// treats a selection (the paint rule with SelectedChip): the turn lifts the
// piece off the map as Ctrl+X does, rather than leave a stale copy of its
// corner behind. Draws what changed as PaintCells does.
TurnOrMirrorResult TurnOrMirrorSelection(MazeState& maze, MapCanvas& canvas, QRect selection,
                                         TurnOrMirror turn);

} // namespace orvane
