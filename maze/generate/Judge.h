#pragma once

#include "play/Analysis.h"
#include "play/Difficulty.h"

namespace orvane {
struct MazeState;
}

namespace orvane::generate {

// What `orvane-mdt check` finds in a maze, with what else a request asks of
// it. The difficulty walks the maze as a newcomer; it is measured only when
// asked (gradeMaze): the analysis alone judges most changes.
struct Verdict {
    MazeAnalysis analysis;
    Difficulty difficulty; // no grade until measured
    int arrows = 0;        // cells of the map with an arrow
    bool saveable = false; // editorWouldSave

    int keys() const { return analysis.solvable ? int(analysis.route.size()) : 0; }
};

Verdict judgeMaze(const MazeState& maze);
// Measures the difficulty of the maze `v` judges.
void gradeMaze(const MazeState& maze, Verdict& v);

// Whether the editor would save the maze as it is and could have made it:
// the start and goal on floors, items only on floors, and round the map
// what a new maze has there (a wall column and row past it, nothing beyond).
bool editorWouldSave(const MazeState& maze);

} // namespace orvane::generate
