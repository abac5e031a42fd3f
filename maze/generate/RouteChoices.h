#pragma once
// The choices on the way from the start to every cell, estimated before a
// goal is chosen: along the analysis's search tree, every fork passed adds
// the weight of the branches the way does not take (play/Forks.h), each
// with the cells the tree holds behind it. On a carving without arrows the
// tree is the maze and the estimate is what a walk along the way would meet.

#include "play/Analysis.h"

#include <vector>

namespace orvane::generate {

// By place in the analysis's `reachable`.
std::vector<double> routeChoices(const MazeAnalysis& analysis);

} // namespace orvane::generate
