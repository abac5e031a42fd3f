#pragma once

namespace orvane {

struct MazeState;

// CursorX, CursorY := MapMouseX / 16, MapMouseY / 16, truncated toward zero
// (pixels -15..15 give 0). A quotient outside the 16-bit range changes
// nothing and returns false.
bool CellFromMouse(MazeState& maze);

// ChipCol, ChipRow := ChipMouseX / 16, ChipMouseY / 16, as CellFromMouse.
bool ChipFromMouse(MazeState& maze);

// SelectedChip := the palette code of (ChipCol, ChipRow) for rows 0..2 and
// columns 0..5; any other cell leaves SelectedChip as it is.
void CodeFromChip(MazeState& maze);

} // namespace orvane
