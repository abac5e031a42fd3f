#pragma once
// Where walks over a maze went: how often the ball entered each cell, the
// dead ends it walked into and the traps it met. Gathered on the way by the
// newcomer's walks when asked (Newcomer.h), or from runs played.

#include "Analysis.h"

#include <QPoint>

#include <span>
#include <vector>

namespace orvane {

struct GameRun;
struct MazeState;

struct WalkTrace {
    int walks = 0;
    // By grid cell (MazeGrid::index), empty before the first walk: the
    // times the ball entered it, and whether it lies in a dead end walked
    // into.
    std::vector<int> steps;
    std::vector<bool> deadEndCells;
    // The cell each dead end was turned back at, and each trap was met at:
    // one entry a time.
    std::vector<QPoint> deadEnds;
    std::vector<QPoint> trapsMet;

    int stepsAt(QPoint cell) const;
    bool inDeadEnd(QPoint cell) const;
    int mostSteps() const;
};

// Adds one walk to a trace, key by key. A dead end is walked into when a key
// takes the ball back to the cell it rested on before (as the newcomer's
// measure counts it); it holds the cells entered since the ball last rested
// on a fork (a cell whose keys lead three ways or more) or left the start.
class TraceRecorder {
public:
    TraceRecorder(WalkTrace& trace, const MazeAnalysis& analysis);

    // The walk starts, or starts again, at the start.
    void start();
    // A key took the ball from the rest cell `from` through `entered` (grid
    // indices, in order) to `to`: places in the analysis's reachable cells,
    // or EndsGame.
    void press(int from, std::span<const int> entered, int to);
    // The walk had no way on from `at`.
    void trapMet(int at);

private:
    bool isFork(int rest) const;

    WalkTrace& trace_;
    const MazeAnalysis& a_;
    int previous_ = -1;
    std::vector<int> sinceFork_; // grid indices
};

// The trace of runs played from the start of a maze that can be solved, by
// the game's rules (a run's keys in order, until the goal), one walk a run.
WalkTrace traceRuns(const MazeState& maze, const MazeAnalysis& analysis,
                    const std::vector<GameRun>& runs);

} // namespace orvane
