#pragma once

#include "play/Analysis.h"

#include <QString>

namespace orvane {

struct MazeState;

// The check on the map in the status bar, for a maze whose start and goal
// are valid: solvable or not, in how many keys and seconds against the time
// limit, the traps the ball can reach and the grade; the tooltip gives the
// grade's measures as `orvane-mdt check` does.
struct CheckStatus {
    QString text;
    QString toolTip;
};
CheckStatus checkStatus(const MazeState& maze, const MazeAnalysis& analysis);

} // namespace orvane
