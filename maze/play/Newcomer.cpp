#include "Newcomer.h"

#include "Forks.h"
#include "Incoming.h"
#include "KeyStep.h"
#include "MazeState.h"
#include "PlayBoard.h"
#include "WalkTrace.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace orvane {
namespace {

constexpr int KeyCount = RouteKeyCount;
constexpr int None = -1;
// The keys by their place in RouteKeys.
constexpr int KeyS = 0, KeyU = 1, KeyD = 2, KeyL = 3, KeyR = 4;
using KeyOrder = std::array<int, KeyCount>;
constexpr std::array<KeyOrder, NewcomerWalkCount> KeyOrders{{
    {KeyU, KeyR, KeyD, KeyL, KeyS},
    {KeyR, KeyD, KeyL, KeyU, KeyS},
    {KeyD, KeyL, KeyU, KeyR, KeyS},
    {KeyL, KeyU, KeyR, KeyD, KeyS},
}};
// A walk presses at most this many keys a reachable cell, and a base.
constexpr int BoundKeysPerCell = 20;
constexpr int BoundKeysBase = 1000;

int gridIndex(QPoint cell)
{
    return MazeGrid::index(cell.x(), cell.y());
}

bool isFloor(const MazeCell* cell)
{
    return cell && cell->Chip >= FirstFloor && cell->Chip <= LastFloor;
}

// For every key on every reachable cell: the cells the press takes the ball
// through, in order, then the cells it only meets (a wall that refuses the
// step or stops a slide). A player knows where a key takes the ball once
// all of them have been in view. Found for a cell when first asked; the
// walks share them.
class MoveCells {
public:
    MoveCells(const MazeState& maze, const MazeAnalysis& a)
        : maze_(std::make_unique<MazeState>(maze)), a_(a), spans_(a.reachable.size())
    {
    }

    std::span<const int> met(int rest, int key)
    {
        const Span& s = span(rest, key);
        return {cells_.data() + s.first, size_t(s.count)};
    }
    std::span<const int> entered(int rest, int key)
    {
        const Span& s = span(rest, key);
        return {cells_.data() + s.first, size_t(s.entered)};
    }

private:
    struct Span {
        int first = None; // into cells_
        int entered = 0;
        int count = 0;
    };

    const Span& span(int rest, int key)
    {
        auto& spans = spans_[size_t(rest)];
        if (spans[0].first == None)
            find(rest, spans);
        return spans[size_t(key)];
    }

    void add(QPoint cell)
    {
        if (MazeGrid::contains(cell.x(), cell.y()))
            cells_.push_back(gridIndex(cell));
    }

    void find(int rest, std::array<Span, KeyCount>& spans)
    {
        const QPoint cell = a_.reachable[size_t(rest)];
        const bool onArrow = maze_->cell(cell.x(), cell.y()).Item != NoItem;
        for (int k = 0; k < KeyCount; ++k) {
            Span& s = spans[size_t(k)];
            s.first = int(cells_.size());
            const std::optional<Direction> d = directionOfRouteKey(RouteKeys[k]);
            const QPoint ahead = d ? cell + offsetOf(*d) : cell;
            const MazeCell* next = maze_->grid.find(ahead.x(), ahead.y());
            if (!onArrow && (!d || !isFloor(next) || next->Item == NoItem)) {
                // No arrow: one step onto a floor, or none.
                if (d)
                    add(ahead);
                s.entered = d && isFloor(next) ? 1 : 0;
                s.count = int(cells_.size()) - s.first;
                continue;
            }
            maze_->CursorX = int16_t(cell.x());
            maze_->CursorY = int16_t(cell.y());
            path_.clear();
            const KeyOutcome outcome = KeyStep(*maze_, board_, d, &path_);
            for (QPoint entered : path_)
                add(entered);
            s.entered = int(cells_.size()) - s.first;
            if (d)
                add(ahead);
            const QPoint end(maze_->CursorX, maze_->CursorY);
            if (outcome.slideEnd == SlideEnd::Blocked)
                add(end + offsetOf(*directionOfItem(maze_->cell(end.x(), end.y()).Item)));
            s.count = int(cells_.size()) - s.first;
        }
    }

    std::unique_ptr<MazeState> maze_; // its ball is moved to find the presses
    const MazeAnalysis& a_;
    PlayBoard board_; // draws nothing
    std::vector<std::array<Span, KeyCount>> spans_;
    std::vector<int> cells_;
    std::vector<QPoint> path_;
};

class Walk {
public:
    Walk(const MazeState& maze, const MazeAnalysis& a, MoveCells& moves, const Incoming& incoming,
         Forks& forks, const KeyOrder& order, WalkTrace* trace)
        : a_(a), moves_(moves), incoming_(incoming), forks_(forks), order_(order),
          bound_(newcomerKeyBound(a)), restedOn_(a.reachable.size(), false),
          goal_(gridIndex({maze.header.GoalX, maze.header.GoalY})), seen_(GridCellCount, false),
          knownKeys_(a.reachable.size(), 0), stamp_(a.reachable.size(), 0),
          parent_(a.reachable.size(), None), parentKey_(a.reachable.size(), 0)
    {
        if (trace)
            recorder_.emplace(*trace, a);
    }

    NewcomerWalk run()
    {
        restart();
        while (result_.keys < bound_) {
            if (!plan()) {
                if (ball_ == Start)
                    break; // no way on from the start: nothing left to try
                ++result_.trapsMet;
                if (recorder_)
                    recorder_->trapMet(ball_);
                restart();
                continue;
            }
            if (follow())
                return result_;
        }
        result_.keys = bound_;
        return result_;
    }

private:
    static constexpr int Start = 0; // the start's place in the reachable cells

    void restart()
    {
        ball_ = Start;
        previous_ = None;
        if (recorder_)
            recorder_->start();
        rest();
        const QPoint start = a_.reachable.front();
        for (int y = start.y() - ViewCellsBefore; y <= start.y() + ViewCellsAfter; ++y)
            for (int x = start.x() - ViewCellsBefore; x <= start.x() + ViewCellsAfter; ++x)
                see({x, y});
    }

    void see(QPoint cell)
    {
        if (!MazeGrid::contains(cell.x(), cell.y()))
            return;
        const int index = gridIndex(cell);
        seen_[size_t(index)] = true;
        goalSeen_ = goalSeen_ || index == goal_;
    }

    // The view follows the ball one cell on: the row or column it brings in.
    void scroll(QPoint from, QPoint to)
    {
        const QPoint step = to - from;
        if (step.x() != 0) {
            const int x = step.x() > 0 ? to.x() + ViewCellsAfter : to.x() - ViewCellsBefore;
            for (int y = to.y() - ViewCellsBefore; y <= to.y() + ViewCellsAfter; ++y)
                see({x, y});
        } else {
            const int y = step.y() > 0 ? to.y() + ViewCellsAfter : to.y() - ViewCellsBefore;
            for (int x = to.x() - ViewCellsBefore; x <= to.x() + ViewCellsAfter; ++x)
                see({x, y});
        }
    }

    // Once known, a key stays known: kept as a bit a key.
    bool known(int rest, int key)
    {
        uint8_t& bits = knownKeys_[size_t(rest)];
        if (bits & (1u << key))
            return true;
        for (int cell : moves_.met(rest, key))
            if (!seen_[size_t(cell)])
                return false;
        bits |= uint8_t(1u << key);
        return true;
    }

    void nextSearch()
    {
        if (++generation_ == 0) {
            std::fill(stamp_.begin(), stamp_.end(), 0u);
            generation_ = 1;
        }
        queue_.clear();
    }

    // Whether the keys known lead from the ball to the goal: a search back
    // from the keys that end the game.
    bool goalKnown()
    {
        nextSearch();
        for (int move : incoming_.ends)
            if (const int from = move / KeyCount;
                stamp_[size_t(from)] != generation_ && known(from, move % KeyCount)) {
                stamp_[size_t(from)] = generation_;
                queue_.push_back(from);
            }
        for (size_t q = 0; q < queue_.size(); ++q) {
            const int cell = queue_[q];
            if (cell == ball_)
                return true;
            for (int i = incoming_.first[size_t(cell)]; i < incoming_.first[size_t(cell) + 1]; ++i)
                if (const int move = incoming_.into[size_t(i)], from = move / KeyCount;
                    stamp_[size_t(from)] != generation_ && known(from, move % KeyCount)) {
                    stamp_[size_t(from)] = generation_;
                    queue_.push_back(from);
                }
        }
        return false;
    }

    // A breadth-first search over the keys known from the ball: the fewest
    // keys to the goal when they are known, else to the nearest key that is
    // not, which ends the plan.
    bool plan()
    {
        const bool toGoal = goalSeen_ && goalKnown();
        nextSearch();
        queue_.push_back(ball_);
        stamp_[size_t(ball_)] = generation_;
        int frontier = None;
        int frontierKey = 0;
        for (size_t q = 0; q < queue_.size(); ++q) {
            const int cell = queue_[q];
            for (int key : order_) {
                if (!known(cell, key)) {
                    if (frontier == None && !toGoal) {
                        frontier = cell;
                        frontierKey = key;
                    }
                    continue;
                }
                const int to = a_.keyTargets[size_t(cell)][size_t(key)];
                if (to == EndsGame) {
                    planTo(cell, key);
                    toGoal_ = true;
                    return true;
                }
                if (stamp_[size_t(to)] != generation_) {
                    stamp_[size_t(to)] = generation_;
                    parent_[size_t(to)] = cell;
                    parentKey_[size_t(to)] = int8_t(key);
                    queue_.push_back(to);
                }
            }
            if (frontier != None)
                break;
        }
        if (frontier == None)
            return false;
        planTo(frontier, frontierKey);
        toGoal_ = false;
        target_ = frontier;
        targetKey_ = frontierKey;
        return true;
    }

    void planTo(int cell, int lastKey)
    {
        plan_.assign(1, lastKey);
        for (; cell != ball_; cell = parent_[size_t(cell)])
            plan_.push_back(parentKey_[size_t(cell)]);
        std::reverse(plan_.begin(), plan_.end());
    }

    // Presses the plan's keys; true when the game ended. A plan to explore
    // ends when the goal comes into view, and when its last key has become
    // known, unless that key leads on to a cell with a key not yet known:
    // then the walk keeps going that way.
    bool follow()
    {
        for (size_t i = 0; i < plan_.size() && result_.keys < bound_; ++i) {
            const bool goalWasSeen = goalSeen_;
            if (press(plan_[i]))
                return true;
            if (toGoal_)
                continue;
            if (goalSeen_ != goalWasSeen)
                return false;
            if (known(target_, targetKey_) && !goOn())
                return false;
        }
        return false;
    }

    bool goOn()
    {
        const int next = a_.keyTargets[size_t(target_)][size_t(targetKey_)];
        if (next == EndsGame || next == target_)
            return false;
        for (int key : order_)
            if (!known(next, key)) {
                target_ = next;
                targetKey_ = key;
                plan_.push_back(key);
                return true;
            }
        return false;
    }

    // The choice the cell the ball rests on offers, the first time it does.
    void rest()
    {
        if (restedOn_[size_t(ball_)])
            return;
        restedOn_[size_t(ball_)] = true;
        const ForkChoice choice = forks_.at(ball_, previous_);
        result_.forks += choice.wrongWays > 0;
        result_.choices += choice.weight;
    }

    bool press(int key)
    {
        ++result_.keys;
        QPoint at = a_.reachable[size_t(ball_)];
        const std::span<const int> entered = moves_.entered(ball_, key);
        for (int index : entered) {
            const QPoint cell(index % GridSpan + GridMin, index / GridSpan + GridMin);
            scroll(at, cell);
            at = cell;
        }
        const int to = a_.keyTargets[size_t(ball_)][size_t(key)];
        if (recorder_)
            recorder_->press(ball_, entered, to);
        if (to == EndsGame) {
            result_.finished = true;
            return true;
        }
        if (to != ball_) {
            result_.deadEnds += to == previous_;
            previous_ = ball_;
            ball_ = to;
            rest();
        }
        return false;
    }

    const MazeAnalysis& a_;
    MoveCells& moves_;
    const Incoming& incoming_;
    Forks& forks_;
    const KeyOrder& order_;
    const int bound_;
    std::vector<bool> restedOn_; // by reachable cell: its choice is counted
    const int goal_;             // grid index
    std::vector<bool> seen_;
    bool goalSeen_ = false;
    std::vector<uint8_t> knownKeys_; // by reachable cell, a bit a key

    int ball_ = Start;
    int previous_ = None; // the cell the ball rested on before
    NewcomerWalk result_;
    std::optional<TraceRecorder> recorder_; // only when asked where the walk goes

    // The plan and its search.
    std::vector<int> plan_;
    bool toGoal_ = false;
    int target_ = None;
    int targetKey_ = 0;
    std::vector<uint32_t> stamp_;
    uint32_t generation_ = 0;
    std::vector<int> parent_;
    std::vector<int8_t> parentKey_;
    std::vector<int> queue_;
};

} // namespace

int newcomerKeyBound(const MazeAnalysis& a)
{
    return BoundKeysPerCell * int(a.reachable.size()) + BoundKeysBase;
}

std::array<NewcomerWalk, NewcomerWalkCount> walkAsNewcomer(const MazeState& maze,
                                                           const MazeAnalysis& a, WalkTrace* trace)
{
    std::array<NewcomerWalk, NewcomerWalkCount> walks{};
    if (!a.solvable)
        return walks;
    MoveCells moves(maze, a);
    const Incoming incoming(a);
    Forks forks(a, incoming);
    for (int w = 0; w < NewcomerWalkCount; ++w)
        walks[size_t(w)] = Walk(maze, a, moves, incoming, forks, KeyOrders[size_t(w)], trace).run();
    return walks;
}

} // namespace orvane
