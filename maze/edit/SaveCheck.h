#pragma once

namespace orvane {

struct MazeState;

// Whether a maze may be saved: its start and its goal lie in the grid, each
// on a chip of 7 or more. Items under them do not matter.
bool StartAndGoalValid(const MazeState& maze);

} // namespace orvane
