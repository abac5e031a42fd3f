#pragma once

#include "Analysis.h"

#include <vector>

namespace orvane {

// The keys into each reachable cell of an analysis, grouped by the cell:
// into[first[c] .. first[c + 1]), each as from * RouteKeyCount + key; the
// keys that end the game likewise in `ends`.
struct Incoming {
    explicit Incoming(const MazeAnalysis& a);

    std::vector<int> first;
    std::vector<int> into;
    std::vector<int> ends;
};

} // namespace orvane
