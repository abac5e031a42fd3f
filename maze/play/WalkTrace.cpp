#include "WalkTrace.h"

#include "GameRun.h"
#include "GameStart.h"
#include "KeyStep.h"
#include "MazeState.h"
#include "PlayBoard.h"

#include <algorithm>
#include <array>
#include <memory>

namespace orvane {
namespace {

constexpr int None = -1;
constexpr int ForkWays = 3;

int gridIndex(QPoint cell)
{
    return MazeGrid::contains(cell.x(), cell.y()) ? MazeGrid::index(cell.x(), cell.y()) : None;
}

} // namespace

int WalkTrace::stepsAt(QPoint cell) const
{
    const int index = gridIndex(cell);
    return index != None && !steps.empty() ? steps[size_t(index)] : 0;
}

bool WalkTrace::inDeadEnd(QPoint cell) const
{
    const int index = gridIndex(cell);
    return index != None && !deadEndCells.empty() && deadEndCells[size_t(index)];
}

int WalkTrace::mostSteps() const
{
    return steps.empty() ? 0 : *std::max_element(steps.begin(), steps.end());
}

TraceRecorder::TraceRecorder(WalkTrace& trace, const MazeAnalysis& analysis)
    : trace_(trace), a_(analysis)
{
    if (trace_.steps.empty()) {
        trace_.steps.assign(GridCellCount, 0);
        trace_.deadEndCells.assign(GridCellCount, false);
    }
    ++trace_.walks;
}

void TraceRecorder::start()
{
    previous_ = None;
    sinceFork_.clear();
}

bool TraceRecorder::isFork(int rest) const
{
    std::array<int, RouteKeyCount> ways{};
    int count = 0;
    for (int to : a_.keyTargets[size_t(rest)])
        if (to != rest && std::find(ways.begin(), ways.begin() + count, to) == ways.begin() + count)
            ways[size_t(count++)] = to;
    return count >= ForkWays;
}

void TraceRecorder::press(int from, std::span<const int> entered, int to)
{
    const bool moves = to == EndsGame || to != from;
    if (moves && to != EndsGame && to == previous_) {
        // Turned back: the way in, not the way out, is the dead end.
        trace_.deadEnds.push_back(a_.reachable[size_t(from)]);
        for (int index : sinceFork_)
            trace_.deadEndCells[size_t(index)] = true;
        sinceFork_.clear();
    }
    for (int index : entered) {
        ++trace_.steps[size_t(index)];
        sinceFork_.push_back(index);
    }
    if (!moves || to == EndsGame)
        return;
    previous_ = from;
    if (isFork(to))
        sinceFork_.clear();
}

void TraceRecorder::trapMet(int at)
{
    trace_.trapsMet.push_back(a_.reachable[size_t(at)]);
}

WalkTrace traceRuns(const MazeState& maze, const MazeAnalysis& a, const std::vector<GameRun>& runs)
{
    WalkTrace trace;
    if (!a.solvable)
        return trace;
    std::vector<int> place(GridCellCount, EndsGame);
    for (size_t i = 0; i < a.reachable.size(); ++i)
        place[size_t(gridIndex(a.reachable[i]))] = int(i);
    const auto game = std::make_unique<MazeState>(maze);
    PlayBoard board; // draws nothing
    std::vector<QPoint> path;
    std::vector<int> entered;
    for (const GameRun& run : runs) {
        TraceRecorder recorder(trace, a);
        recorder.start();
        StartGame(*game, board);
        int at = 0; // the start, first of the reachable cells
        for (char key : run.keys) {
            path.clear();
            const KeyOutcome outcome = KeyStep(*game, board, directionOfRouteKey(key), &path);
            entered.clear();
            for (QPoint cell : path)
                if (const int index = gridIndex(cell); index != None)
                    entered.push_back(index);
            // A rest the analysis does not know (never on the maze analysed) ends the run.
            const int to = outcome.reachedGoal
                               ? EndsGame
                               : place[size_t(gridIndex({game->CursorX, game->CursorY}))];
            recorder.press(at, entered, to);
            if (to == EndsGame)
                break;
            at = to;
        }
    }
    return trace;
}

} // namespace orvane
