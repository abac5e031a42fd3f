#pragma once

#include "SelectionTurn.h"

#include <QPoint>

namespace orvane {

class EditHistory;
class MapCanvas;
struct MazeState;

// The construction tools' steps on what the history's ToolState holds, each
// one step of `history` (none when nothing changes), drawn on `canvas`.

// Delete and Ctrl+X: the selection painted with SelectedChip.
bool PaintSelectionStep(MazeState& maze, EditHistory& history, MapCanvas& canvas);
// O: the selection's outline painted with SelectedChip.
bool OutlineSelectionStep(MazeState& maze, EditHistory& history, MapCanvas& canvas);
// R, H and V: the selection turned or mirrored (TurnOrMirrorSelection); the
// selection becomes the turned one.
TurnOrMirrorResult TurnOrMirrorSelectionStep(MazeState& maze, EditHistory& history,
                                             MapCanvas& canvas, TurnOrMirror how);
// A click or Enter: the floating paste placed where it floats, its markers
// moving with it; the paste ends.
bool PlacePasteStep(MazeState& maze, EditHistory& history, MapCanvas& canvas);
// Shift+click: a line from where the last line or painting ended (`cell`
// itself when nothing did) to `cell`, where the next line starts.
bool LineStep(MazeState& maze, EditHistory& history, MapCanvas& canvas, QPoint cell);

} // namespace orvane
