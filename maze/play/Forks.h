#pragma once
// The choices a maze offers on its rest-to-rest graph (the analysis's
// keyTargets, slides and one-way arrows included). At a cell the ball rests
// on, arrived at from another, the ways on are the other cells its keys
// lead to, and the end of the game. A way is wrong when every way from it to
// the goal passes back through the fork (the fork post-dominates it), or
// when it cannot reach the goal at all. A wrong way weighs the more cells
// lie behind it, sublinearly: log2(1 + cells).
//
// Post-dominators come from the dominator tree of the reversed graph rooted
// at the end of the game (Cooper, Harvey and Kennedy's iterative algorithm);
// the cells behind a way that can reach the goal are its subtree in that
// tree, those behind a way that cannot are the cells it reaches, counted up
// to TrapCellsCounted.

#include "Analysis.h"

#include <vector>

namespace orvane {

inline constexpr int TrapCellsCounted = 1023;

// What a wrong way with `cellsBehind` cells behind it weighs.
double wrongWayWeight(int cellsBehind);

// A fork met: the wrong ways it offers and what they weigh together.
struct ForkChoice {
    int wrongWays = 0;
    double weight = 0;
};

struct Incoming;

class Forks {
public:
    // For an analysis that can be solved, with the keys into its cells.
    Forks(const MazeAnalysis& analysis, const Incoming& incoming);

    // The choice at `cell` arrived at from `from` (places in the analysis's
    // `reachable`; `from` is NotArrived at a start): nothing unless it has
    // two ways on or more.
    static constexpr int NotArrived = -1;
    ForkChoice at(int cell, int from);

private:
    // Whether every way from `cell` to the end of the game passes `fork`.
    bool postDominates(int fork, int cell) const;
    int cellsBehind(int way);
    int trapCellsFrom(int way);

    const MazeAnalysis& a_;
    int end_; // the root: the end of the game
    // By node (the cells, then the end): the tree's entry and exit numbers,
    // none for a cell the goal cannot be reached from, and its subtree's size.
    std::vector<int> entry_;
    std::vector<int> exit_;
    std::vector<int> size_;
    // The trap cells a way reaches, once counted; a search's marks and queue.
    std::vector<int> trapCells_;
    std::vector<int> stamp_;
    int search_ = 0;
    std::vector<int> queue_;
};

} // namespace orvane
