#pragma once

#include "play/Analysis.h"

#include <QString>

namespace orvane {

// The status line of the check on the map for a maze whose start and goal
// are valid: solvable or not, in how many keys and seconds against the time
// limit, and the traps the ball can reach.
QString checkStatusText(const MazeAnalysis& analysis, int16_t timeLimit);

} // namespace orvane
