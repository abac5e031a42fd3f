#include "Analysis.h"

#include "KeyStep.h"
#include "MazeState.h"
#include "PlayBoard.h"

#include <algorithm>
#include <memory>

namespace orvane {
namespace {

constexpr int KeyCount = RouteKeyCount;
constexpr int None = -1;

QPoint cellOf(int index)
{
    return {index % GridSpan + GridMin, index / GridSpan + GridMin};
}

int indexOf(QPoint cell)
{
    return MazeGrid::index(cell.x(), cell.y());
}

bool onFloorOrAbove(const MazeState& maze, int16_t x, int16_t y)
{
    const MazeCell* cell = maze.grid.find(x, y);
    return cell && cell->Chip >= FirstFloor;
}

// The search's graph: every resting cell with where each key takes it.
struct Search {
    std::vector<int> order;                 // cells in the order found, the start first
    std::vector<int> parent;                // by cell: the cell it was first reached from
    std::vector<int8_t> parentKey;          // ... and the key
    std::vector<std::pair<int, int>> moves; // (from, to) of every key that did not end the game
    std::vector<bool> endsGame;             // by cell: some key ends the game there
    std::vector<bool> cycleEnd;             // by cell: a key press rested there by the cycle bound
    std::vector<int> position;              // by cell: its place in `order`, None when not found
    // By place in `order`: the fewest keys to rest there, and the cell each
    // key leaves the ball on, or EndsGame.
    std::vector<int> depth;
    std::vector<std::array<int, KeyCount>> targets;
    int lastCell = None; // the cell of the shortest route's last key
    int8_t lastKey = 0;
};

Search search(MazeState& maze)
{
    Search s;
    s.parent.assign(GridCellCount, None);
    s.parentKey.assign(GridCellCount, 0);
    s.endsGame.assign(GridCellCount, false);
    s.cycleEnd.assign(GridCellCount, false);
    s.position.assign(GridCellCount, None);
    s.moves.reserve(size_t(GridCellCount) * KeyCount);
    s.order.reserve(GridCellCount);
    s.depth.reserve(GridCellCount);
    s.targets.reserve(GridCellCount);
    PlayBoard board; // draws nothing
    const int start = indexOf({maze.header.StartX, maze.header.StartY});
    s.position[size_t(start)] = 0;
    s.depth.push_back(0);
    s.order.push_back(start);
    // The order list is the queue: cells are expanded in the order found.
    for (size_t next = 0; next < s.order.size(); ++next) {
        const int from = s.order[next];
        const QPoint cell = cellOf(from);
        auto& targets = s.targets.emplace_back();
        for (int k = 0; k < KeyCount; ++k) {
            maze.CursorX = int16_t(cell.x());
            maze.CursorY = int16_t(cell.y());
            const KeyOutcome outcome = KeyStep(maze, board, directionOfRouteKey(RouteKeys[k]));
            if (outcome.reachedGoal) {
                targets[size_t(k)] = EndsGame;
                s.endsGame[size_t(from)] = true;
                if (s.lastCell == None) {
                    s.lastCell = from;
                    s.lastKey = int8_t(k);
                }
                continue;
            }
            const int to = indexOf({maze.CursorX, maze.CursorY});
            targets[size_t(k)] = to;
            if (outcome.slideEnd == SlideEnd::Cycle)
                s.cycleEnd[size_t(to)] = true;
            s.moves.emplace_back(from, to);
            if (s.position[size_t(to)] == None) {
                s.position[size_t(to)] = int(s.order.size());
                s.parent[size_t(to)] = from;
                s.parentKey[size_t(to)] = int8_t(k);
                s.depth.push_back(s.depth[next] + 1);
                s.order.push_back(to);
            }
        }
    }
    return s;
}

// By cell: whether the game can still be ended from there, found backwards
// along the moves from the cells where a key ends it.
std::vector<bool> canEnd(const Search& s)
{
    // The moves into each cell, grouped by target: into[first[c] .. first[c + 1]).
    std::vector<int> first(GridCellCount + 1, 0);
    for (const auto& move : s.moves)
        ++first[size_t(move.second) + 1];
    for (size_t c = 1; c < first.size(); ++c)
        first[c] += first[c - 1];
    std::vector<int> into(s.moves.size());
    std::vector<int> filled(first.begin(), first.end() - 1);
    for (const auto& [from, to] : s.moves)
        into[size_t(filled[size_t(to)]++)] = from;

    std::vector<bool> can = s.endsGame;
    std::vector<int> queue;
    for (int cell : s.order)
        if (can[size_t(cell)])
            queue.push_back(cell);
    while (!queue.empty()) {
        const int cell = queue.back();
        queue.pop_back();
        for (int i = first[size_t(cell)]; i < first[size_t(cell) + 1]; ++i)
            if (const int from = into[size_t(i)]; !can[size_t(from)]) {
                can[size_t(from)] = true;
                queue.push_back(from);
            }
    }
    return can;
}

// The graph of the search by place in its order, taken from the search.
void describeMoves(Search& s, MazeAnalysis& a)
{
    for (auto& targets : s.targets)
        for (int& to : targets)
            if (to != EndsGame)
                to = s.position[size_t(to)];
    a.keysTo = std::move(s.depth);
    a.keyTargets = std::move(s.targets);
    if (s.lastCell == None)
        return;
    for (int cell = s.lastCell;; cell = s.parent[size_t(cell)]) {
        a.routeRests.push_back(s.position[size_t(cell)]);
        if (cell == s.order.front())
            break;
    }
    std::reverse(a.routeRests.begin(), a.routeRests.end());
}

std::string routeOf(const Search& s, int start)
{
    std::string keys(1, RouteKeys[s.lastKey]);
    for (int cell = s.lastCell; cell != start; cell = s.parent[size_t(cell)])
        keys.push_back(RouteKeys[s.parentKey[size_t(cell)]]);
    std::reverse(keys.begin(), keys.end());
    return keys;
}

} // namespace

std::optional<Direction> directionOfRouteKey(char key)
{
    switch (key) {
    case 'U':
        return Direction::Up;
    case 'D':
        return Direction::Down;
    case 'L':
        return Direction::Left;
    case 'R':
        return Direction::Right;
    default:
        return std::nullopt;
    }
}

std::optional<int> fewestKeys(const MazeState& maze)
{
    const MazeAnalysis a = analyseMaze(maze);
    return a.solvable ? std::optional<int>(int(a.route.size())) : std::nullopt;
}

MazeAnalysis analyseMaze(const MazeState& original)
{
    MazeAnalysis a;
    auto maze = std::make_unique<MazeState>(original); // the search moves its ball
    const MazeHeader& h = maze->header;
    a.startValid = onFloorOrAbove(*maze, h.StartX, h.StartY);
    a.goalValid = onFloorOrAbove(*maze, h.GoalX, h.GoalY);
    if (!MazeGrid::contains(h.StartX, h.StartY))
        return a; // no file holds such a start

    Search s = search(*maze);
    const std::vector<bool> can = canEnd(s);
    for (int cell : s.order) {
        a.reachable.push_back(cellOf(cell));
        if (!can[size_t(cell)])
            a.traps.push_back(cellOf(cell));
        if (s.cycleEnd[size_t(cell)])
            a.cycles.push_back(cellOf(cell));
    }
    describeMoves(s, a);
    a.solvable = s.lastCell != None;
    if (!a.solvable)
        return a;

    a.route = routeOf(s, s.order.front());
    maze->CursorX = h.StartX;
    maze->CursorY = h.StartY;
    a.routeCells.push_back({h.StartX, h.StartY});
    PlayBoard board;
    for (char key : a.route)
        KeyStep(*maze, board, directionOfRouteKey(key), &a.routeCells);
    return a;
}

RouteTiming timeRoute(int keys, double keysPerSecond, int16_t timeLimit)
{
    RouteTiming t;
    t.seconds = keys / keysPerSecond;
    if (timeLimit == NoTimeLimit)
        return t;
    const double limit = std::max<int>(timeLimit, 1);
    t.fit = t.seconds >= limit                       ? RouteFit::TooSlow
            : t.seconds > limit * (1.0 - TightShare) ? RouteFit::Tight
                                                     : RouteFit::Fits;
    return t;
}

} // namespace orvane
