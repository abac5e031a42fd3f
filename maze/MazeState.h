#pragma once

#include "MazeGrid.h"
#include "MazeHeader.h"

#include <cstdint>

namespace orvane {

// The one maze of the running program: header, grid and the working values
// the editor and the player share. The application owns one instance and
// hands it by reference to both windows; every number starts at 0.
struct MazeState {
    MazeHeader header;
    MazeGrid grid;

    int16_t CursorX = 0; // editor: cell under the mouse; play: the ball
    int16_t CursorY = 0;
    int32_t MapMouseX = 0; // last pointer position over the editor's map
    int32_t MapMouseY = 0;
    int32_t ChipMouseX = 0; // last pointer position over the palette
    int32_t ChipMouseY = 0;
    int16_t ChipCol = 0; // palette cell picked last
    int16_t ChipRow = 0;
    int16_t SelectedChip = 0; // palette code 1..18; the editor sets 1 on opening
    int16_t TimeLeft = 0;     // seconds left in the running game

    MazeCell& cell(int x, int y) { return grid.at(x, y); }
    const MazeCell& cell(int x, int y) const { return grid.at(x, y); }
};

} // namespace orvane
