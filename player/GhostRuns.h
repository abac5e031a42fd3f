#pragma once

#include "play/GameRun.h"

namespace orvane {

struct MazeState;

// Where the player's ghost comes from: the run it walks on a maze, and the
// player's choice to show it or not, kept across runs.
class GhostRuns {
public:
    virtual ~GhostRuns() = default;
    // The run of the maze's best, as the records hold it now; empty when
    // none is kept.
    virtual GameRun bestRun(const MazeState& maze) = 0;
    virtual bool shown() = 0;
    virtual void setShown(bool shown) = 0;
};

} // namespace orvane
