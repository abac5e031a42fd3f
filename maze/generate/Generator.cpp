#include "Generator.h"

#include "Carving.h"
#include "Judge.h"
#include "MazeState.h"
#include "Random.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane::generate {
namespace {

// Analyses one request may run: a base, and more for each arrow and trap.
constexpr int BaseBudget = 80;
constexpr int BudgetPerArrow = 4;
constexpr int BudgetPerTrap = 12;
// Fresh carvings, goal cells tried on one carving, arrow moves per arrow asked.
constexpr int MaxCarvings = 6;
constexpr int MaxGoalTries = 4;
constexpr int MaxGradeProbes = 12;
constexpr int MaxStartTries = 24;
constexpr int LinkKeys = 2; // keys from a room to the next: the link and the room
constexpr int ArrowTriesPerArrow = 6;
constexpr int ArrowTriesBase = 20;
// A door is opened one time in DoorShare when arrows along loops are waiting.
constexpr int DoorShare = 3;
// The most traps and arrows a map is allowed to ask for, by its rooms.
constexpr int RoomsPerTrap = 4;
// A time limit is rounded up, past this much below a whole second.
constexpr double RoundingSlop = 1e-9;
// Carving styles by attempt: how often the newest room goes on, in 8.
constexpr int NewestShares[] = {6, 7, 8, 5, 8, 7};
constexpr int16_t PlateFloor = FirstFloor; // the floor under every arrow

Lattice latticeOf(const Request& r)
{
    return Lattice::of(r.size);
}

int16_t arrowTowards(QPoint from, QPoint to)
{
    const QPoint d = to - from;
    return d.y() < 0 ? ArrowUp : d.y() > 0 ? ArrowDown : d.x() < 0 ? ArrowLeft : ArrowRight;
}

constexpr QPoint Steps[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};

class Generator {
public:
    Generator(const Request& request, const Progress& progress)
        : request_(request), progress_(progress), random_(request.seed),
          lattice_(latticeOf(request)), maze_(std::make_unique<MazeState>())
    {
        budget_ = BaseBudget + BudgetPerArrow * request.arrows + BudgetPerTrap * request.traps;
    }

    Outcome run()
    {
        for (int n = 0; n < MaxCarvings && !result_ && !spent(); ++n)
            attempt(NewestShares[n]);
        Outcome o;
        o.maze = std::move(result_);
        o.measures = closest_;
        o.judged = judged_;
        o.budget = budget_;
        return o;
    }

private:
    bool spent() const { return judged_ >= budget_; }
    // Whether a goal can still be tried: it takes two analyses at most
    // besides its traps, the last of the maze as it is kept.
    bool roomForGoal() const { return budget_ - judged_ >= 2; }

    Verdict judge()
    {
        Verdict v = judgeMaze(*maze_);
        ++judged_;
        if (progress_)
            progress_(judged_, budget_);
        return v;
    }

    MazeCell& at(QPoint cell) { return maze_->cell(cell.x(), cell.y()); }
    QPoint start() const { return {maze_->header.StartX, maze_->header.StartY}; }

    void setGoal(QPoint cell)
    {
        maze_->header.GoalX = int16_t(cell.x());
        maze_->header.GoalY = int16_t(cell.y());
    }

    // The request's slack times the route's time at the usual pace, rounded up.
    void setTimeLimit(int keys)
    {
        if (!request_.slack) {
            maze_->header.TimeLimit = NoTimeLimit;
            return;
        }
        const double seconds = *request_.slack * keys / DefaultKeysPerSecond;
        int limit = std::max(1, int(std::ceil(seconds - RoundingSlop)));
        if (limit == NoTimeLimit)
            ++limit; // 1000 would mean no limit at all
        maze_->header.TimeLimit = int16_t(std::min<int>(limit, INT16_MAX));
    }

    int minKeys() const { return request_.keys - request_.keys / 10; }

    static int longestReach(const Verdict& v)
    {
        return v.analysis.keysTo.empty()
                   ? 0
                   : *std::max_element(v.analysis.keysTo.begin(), v.analysis.keysTo.end());
    }

    Measures measuresOf(const Verdict& v) const
    {
        Measures m;
        m.solvable = v.analysis.solvable && v.analysis.valid();
        m.keys = v.keys();
        m.grade = v.difficulty.grade.value_or(0);
        m.traps = int(v.analysis.traps.size());
        m.arrows = v.arrows - trapArrows_;
        m.cycles = !v.analysis.cycles.empty();
        return m;
    }

    // How far measures fall short of the request; 0 when they meet it.
    double shortfall(const Measures& m) const
    {
        if (!m.solvable)
            return std::numeric_limits<double>::max();
        double s = request_.aimsAtKeys()
                       ? (keysMeet(m.keys, request_.keys)
                              ? 0
                              : std::abs(m.keys - request_.keys) / double(request_.keys))
                       : std::abs(m.grade - request_.grade);
        s += std::abs(m.traps - request_.traps) + (m.cycles ? 1 : 0);
        const int arrowsOff = std::abs(m.arrows - request_.arrows);
        if (arrowsOff > arrowTolerance(request_.arrows))
            s += arrowsOff / double(std::max(request_.arrows, 1));
        return s;
    }

    void consider(const Measures& m)
    {
        const double s = shortfall(m);
        if (!closestSet_ || s < closestShortfall_) {
            closest_ = m;
            closestShortfall_ = s;
            closestSet_ = true;
        }
    }

    bool meets(const Verdict& v) const { return v.saveable && shortfall(measuresOf(v)) == 0; }

    // One carving: lay it, start at one end of a long way through it, add
    // the arrows, then try goals.
    void attempt(int newestShare)
    {
        tree_ = carveTree(lattice_, random_, newestShare);
        layMaze(*maze_, request_.size, lattice_, tree_, random_);
        maze_->header.Title = request_.title;
        maze_->header.MusicFile = request_.music;
        const QPoint s = lattice_.cellOf(chooseStart());
        maze_->header.StartX = int16_t(s.x());
        maze_->header.StartY = int16_t(s.y());
        setGoal(
            s); // until a goal is chosen the start is the goal: traps are cells with no way back
        trapArrows_ = 0;
        Verdict v = judge();
        if (request_.aimsAtKeys() && longestReach(v) < minKeys()) {
            Measures m = measuresOf(v);
            m.keys = longestReach(v);
            consider(m);
            return;
        }
        placeArrows(v);
        const MazeState base = *maze_;
        if (request_.aimsAtKeys())
            tryKeyGoals(v, base);
        else
            tryGradeGoals(v, base);
        if (!result_)
            *maze_ = base;
    }

    // The links along the tree from `room` to every room.
    std::vector<int> linksFrom(int room) const
    {
        std::vector<std::vector<int>> links(size_t(lattice_.rooms()));
        for (int r = 0; r < lattice_.rooms(); ++r)
            if (const int p = tree_.parent[size_t(r)]; p >= 0) {
                links[size_t(r)].push_back(p);
                links[size_t(p)].push_back(r);
            }
        std::vector<int> distance(size_t(lattice_.rooms()), -1);
        std::vector<int> queue{room};
        distance[size_t(room)] = 0;
        for (size_t i = 0; i < queue.size(); ++i)
            for (int next : links[size_t(queue[i])])
                if (distance[size_t(next)] < 0) {
                    distance[size_t(next)] = distance[size_t(queue[i])] + 1;
                    queue.push_back(next);
                }
        return distance;
    }

    // The start: an end of a long way through the tree, or, for a route of
    // some keys, a dead end with another dead end that far from it, so the
    // goal can be a dead end too and cut no cell off behind it. When there
    // is no such pair, a room that far is made a dead end.
    int chooseStart()
    {
        const std::vector<int> fromAny = linksFrom(random_.below(lattice_.rooms()));
        const int far = int(std::max_element(fromAny.begin(), fromAny.end()) - fromAny.begin());
        if (!request_.aimsAtKeys())
            return far;
        auto meets = [&](int links) { return keysMeet(LinkKeys * links, request_.keys); };
        std::vector<int> deadEnds;
        for (int r = 0; r < lattice_.rooms(); ++r)
            if (floorWays(lattice_.cellOf(r)).size() == 1)
                deadEnds.push_back(r);
        random_.shuffle(deadEnds);
        deadEnds.insert(deadEnds.begin(), far);
        for (size_t i = 0; i < deadEnds.size() && i < size_t(MaxStartTries); ++i) {
            const std::vector<int> links = linksFrom(deadEnds[i]);
            for (int end : deadEnds)
                if (end != deadEnds[i] && meets(links[size_t(end)]))
                    return deadEnds[i];
        }
        const std::vector<int> links = linksFrom(far);
        std::vector<int> goals;
        for (int r = 0; r < lattice_.rooms(); ++r)
            if (meets(links[size_t(r)]))
                goals.push_back(r);
        if (!goals.empty())
            makeDeadEnd(*maze_, lattice_, tree_, random_.pick(goals), far, random_);
        return far;
    }

    // Whether arrows keep what the goal will need: every cell can still get
    // back to the start (no trap, wherever the goal goes), no cycle, and a
    // cell as far as the keys asked.
    bool arrowsKeep(const Verdict& v) const
    {
        return v.analysis.traps.empty() && v.analysis.cycles.empty() &&
               (!request_.aimsAtKeys() || longestReach(v) >= minKeys());
    }

    // Tries one arrow on a cell; keeps it when the analysis agrees.
    bool tryArrow(QPoint cell, int16_t item, Verdict& v)
    {
        MazeCell& c = at(cell);
        const MazeCell old = c;
        c = {PlateFloor, item};
        Verdict w = judge();
        if (!arrowsKeep(w)) {
            at(cell) = old;
            return false;
        }
        v = std::move(w);
        return true;
    }

    // The straight cells along the tree from room `from` to room `to`, each
    // with the arrow that pushes the ball on that way.
    std::vector<std::pair<QPoint, int16_t>> pushesAlong(int from, int to) const
    {
        std::vector<QPoint> cells;
        const std::vector<int> rooms = tree_.path(from, to);
        for (size_t i = 0; i < rooms.size(); ++i) {
            cells.push_back(lattice_.cellOf(rooms[i]));
            if (i + 1 < rooms.size())
                cells.push_back(lattice_.linkOf(rooms[i], rooms[i + 1]));
        }
        std::vector<std::pair<QPoint, int16_t>> pushes;
        for (size_t i = 1; i + 1 < cells.size(); ++i)
            if (cells[i + 1] - cells[i] == cells[i] - cells[i - 1] && cells[i] != start())
                pushes.emplace_back(cells[i], arrowTowards(cells[i], cells[i + 1]));
        return pushes;
    }

    // Arrows as moves: one-way doors through walls between two rooms, and
    // pushes along the loops the doors make.
    void placeArrows(Verdict& v)
    {
        if (request_.arrows == 0)
            return;
        std::vector<std::pair<int, int>> doors;
        for (int r = 0; r < lattice_.rooms(); ++r)
            for (int n : lattice_.neighbours(r))
                if (n > r && tree_.parent[size_t(r)] != n && tree_.parent[size_t(n)] != r)
                    doors.emplace_back(r, n);
        random_.shuffle(doors);
        std::vector<std::pair<QPoint, int16_t>> pushes;
        int placed = 0;
        const int tries = ArrowTriesBase + ArrowTriesPerArrow * request_.arrows;
        for (int t = 0; t < tries && placed < request_.arrows && !spent(); ++t) {
            const bool door = !doors.empty() && (pushes.empty() || random_.chance(1, DoorShare));
            if (door) {
                auto [from, to] = doors.back();
                doors.pop_back();
                if (random_.chance(1, 2))
                    std::swap(from, to);
                const QPoint a = lattice_.cellOf(from);
                const QPoint b = lattice_.cellOf(to);
                if (tryArrow(lattice_.linkOf(from, to), arrowTowards(a, b), v)) {
                    ++placed;
                    auto more = pushesAlong(to, from);
                    random_.shuffle(more);
                    pushes.insert(pushes.end(), more.begin(), more.end());
                }
            } else if (!pushes.empty()) {
                // Any loop's push, so the arrows spread over the loops.
                std::swap(pushes[random_.below(pushes.size())], pushes.back());
                const auto [cell, item] = pushes.back();
                pushes.pop_back();
                if (at(cell).Item == NoItem && tryArrow(cell, item, v))
                    ++placed;
            } else {
                break;
            }
        }
    }

    // The floor cells beside a cell.
    std::vector<QPoint> floorWays(QPoint cell) const
    {
        std::vector<QPoint> ways;
        for (QPoint step : Steps)
            if (isFloor(*maze_, cell + step))
                ways.push_back(cell + step);
        return ways;
    }

    struct GoalCell {
        int keys; // from the start
        QPoint cell;
    };

    // Where the goal may go: a reachable floor without an arrow. Dead ends
    // come first, or only they when there are any: a goal in a corridor would
    // cut off every cell behind it.
    std::vector<GoalCell> goalCells(const Verdict& v, bool deadEndsOnly)
    {
        std::vector<GoalCell> ends;
        std::vector<GoalCell> others;
        for (size_t i = 1; i < v.analysis.reachable.size(); ++i) {
            const QPoint cell = v.analysis.reachable[i];
            if (at(cell).Item == NoItem)
                (floorWays(cell).size() == 1 ? ends : others)
                    .push_back({v.analysis.keysTo[i], cell});
        }
        random_.shuffle(ends);
        random_.shuffle(others);
        if (deadEndsOnly && !ends.empty())
            return ends;
        ends.insert(ends.end(), others.begin(), others.end());
        return ends;
    }

    // Goals at the distance asked: dead ends first, the closest first.
    void tryKeyGoals(const Verdict& v, const MazeState& base)
    {
        std::vector<GoalCell> goals = goalCells(v, false);
        const auto off = [&](const GoalCell& g) { return std::abs(g.keys - request_.keys); };
        if (!goals.empty() && std::none_of(goals.begin(), goals.end(), [&](const GoalCell& g) {
                return keysMeet(g.keys, request_.keys);
            })) { // no cell as far as asked: tell the nearest
            Measures m = measuresOf(v);
            m.keys = std::min_element(goals.begin(), goals.end(), [&](auto& a, auto& b) {
                         return off(a) < off(b);
                     })->keys;
            consider(m);
            return;
        }
        std::erase_if(goals, [&](const GoalCell& g) { return !keysMeet(g.keys, request_.keys); });
        std::stable_sort(goals.begin(), goals.end(), [&](const GoalCell& a, const GoalCell& b) {
            return floorWays(a.cell).size() == 1 && floorWays(b.cell).size() != 1
                       ? true
                       : floorWays(a.cell).size() == floorWays(b.cell).size() && off(a) < off(b);
        });
        for (size_t i = 0; i < goals.size() && i < size_t(MaxGoalTries) && roomForGoal(); ++i) {
            *maze_ = base;
            if (finish(goals[i].cell, goals[i].keys))
                return;
        }
    }

    // A search over the distance of the goal for the grade asked: farther
    // goals give longer routes with more decisions.
    void tryGradeGoals(const Verdict& v, const MazeState& base)
    {
        std::vector<GoalCell> goals = goalCells(v, true);
        std::stable_sort(goals.begin(), goals.end(),
                         [](const GoalCell& a, const GoalCell& b) { return a.keys < b.keys; });
        std::vector<std::vector<GoalCell>> byKeys; // the goals of each distance, nearest first
        for (const GoalCell& g : goals) {
            if (byKeys.empty() || byKeys.back().front().keys != g.keys)
                byKeys.emplace_back();
            byKeys.back().push_back(g);
        }
        int lo = 0;
        int hi = int(byKeys.size()) - 1;
        for (int probe = 0; probe < MaxGradeProbes && lo <= hi && roomForGoal(); ++probe) {
            const int mid = (lo + hi) / 2;
            *maze_ = base;
            int grade = 0;
            const GoalCell& g = random_.pick(byKeys[size_t(mid)]);
            if (finish(g.cell, g.keys, &grade))
                return;
            if (grade == 0)
                continue; // no grade to steer by: another cell at the same distance
            if (grade < request_.grade)
                lo = mid + 1;
            else
                hi = mid - 1;
        }
    }

    // Puts the goal on a cell `keys` away, sets the time limit for them,
    // closes the traps and judges the result; the last analysis is always of
    // the maze as it is kept. `grade` gets the grade reached, 0 when none.
    bool finish(QPoint goal, int keys, int* grade = nullptr)
    {
        trapArrows_ = 0;
        setGoal(goal);
        setTimeLimit(keys);
        Verdict v = judge();
        if (!v.analysis.solvable || !v.analysis.traps.empty() || !v.analysis.cycles.empty() ||
            (request_.aimsAtKeys() && !keysMeet(v.keys(), request_.keys))) {
            consider(measuresOf(v));
            return false;
        }
        placeTraps(v);
        if (v.keys() != keys) {
            setTimeLimit(v.keys());
            v = judge();
        }
        const Measures m = measuresOf(v);
        consider(m);
        if (grade)
            *grade = m.grade;
        if (!meets(v))
            return false;
        result_ = std::make_unique<MazeState>(*maze_);
        return true;
    }

    // Trap pockets as moves: an arrow before a dead end that pushes the ball
    // in, so it cannot come out; then, while traps are missing, arrows into
    // larger branches, away from the start.
    void placeTraps(Verdict& v)
    {
        if (request_.traps == 0)
            return;
        std::vector<bool> onRoute(size_t(GridCellCount), false);
        for (QPoint c : v.analysis.routeCells)
            onRoute[size_t(MazeGrid::index(c.x(), c.y()))] = true;
        std::vector<int> keysTo(size_t(GridCellCount), -1);
        for (size_t i = 0; i < v.analysis.reachable.size(); ++i)
            keysTo[size_t(MazeGrid::index(v.analysis.reachable[i].x(),
                                          v.analysis.reachable[i].y()))] = v.analysis.keysTo[i];
        auto index = [](QPoint c) { return size_t(MazeGrid::index(c.x(), c.y())); };
        auto free = [&](QPoint c) { return !onRoute[index(c)] && at(c).Item == NoItem; };
        std::vector<std::pair<QPoint, QPoint>> pockets; // (arrow cell, the cell it pushes to)
        std::vector<std::pair<QPoint, QPoint>> branches;
        for (int room = 0; room < lattice_.rooms(); ++room) {
            const QPoint end = lattice_.cellOf(room);
            const std::vector<QPoint> ways = floorWays(end);
            if (ways.size() == 1 && free(end) && free(ways[0]))
                pockets.emplace_back(ways[0], end);
            for (const QPoint link : ways) {
                const std::vector<QPoint> sides = floorWays(link);
                if (ways.size() > 1 && sides.size() == 2 && free(link) && free(end) &&
                    keysTo[index(end)] > keysTo[index(link)] && keysTo[index(link)] >= 0)
                    branches.emplace_back(link, end);
            }
        }
        random_.shuffle(pockets);
        random_.shuffle(branches);
        pockets.insert(pockets.end(), branches.begin(), branches.end());
        for (const auto& [cell, end] : pockets) {
            if (int(v.analysis.traps.size()) >= request_.traps || !roomForGoal())
                break; // one analysis stays for the maze as it is kept
            if (at(cell).Item != NoItem)
                continue;
            const MazeCell old = at(cell);
            at(cell) = {PlateFloor, arrowTowards(cell, end)};
            Verdict w = judge();
            if (w.analysis.solvable && w.analysis.cycles.empty() &&
                w.analysis.traps.size() > v.analysis.traps.size() &&
                int(w.analysis.traps.size()) <= request_.traps) {
                ++trapArrows_;
                v = std::move(w);
            } else {
                at(cell) = old;
            }
        }
    }

    const Request& request_;
    const Progress& progress_;
    Random random_;
    Lattice lattice_;
    Tree tree_;
    std::unique_ptr<MazeState> maze_;
    std::unique_ptr<MazeState> result_;
    int judged_ = 0;
    int budget_ = 0;
    int trapArrows_ = 0;
    Measures closest_;
    double closestShortfall_ = 0;
    bool closestSet_ = false;
};

} // namespace

bool keysMeet(int keys, int target)
{
    return 10 * std::abs(keys - target) <= target;
}

int arrowTolerance(int arrows)
{
    return arrows / 10;
}

RequestProblem checkRequest(const Request& r)
{
    using Kind = RequestProblem::Kind;
    for (int side : {r.size.width, r.size.height})
        if (side < MinSide || side > MapSizeMax)
            return {Kind::SizeOutOfRange, MinSide};
    const Lattice lattice = latticeOf(r);
    if (r.aimsAtKeys() && r.keys - r.keys / 10 > lattice.longestRoute())
        return {Kind::KeysOutOfRange, lattice.longestRoute()};
    if (r.keys < 0)
        return {Kind::KeysOutOfRange, lattice.longestRoute()};
    if (!r.aimsAtKeys() && (r.grade < EasiestGrade || r.grade > HardestGrade))
        return {Kind::GradeOutOfRange, HardestGrade};
    const int maxTraps = lattice.rooms() / RoomsPerTrap;
    if (r.traps < 0 || r.traps > maxTraps)
        return {Kind::TrapsOutOfRange, maxTraps};
    if (r.arrows < 0 || r.arrows > lattice.rooms())
        return {Kind::ArrowsOutOfRange, lattice.rooms()};
    if (r.slack && !(*r.slack >= MinSlack && *r.slack <= MaxSlack))
        return {Kind::SlackOutOfRange, 0};
    if (!r.aimsAtKeys()) {
        // The least the traps and one key give, the slack at its best.
        DifficultyInputs least;
        least.keys = 1;
        least.traps = r.traps;
        const int floor = gradeOfPoints(difficultyPoints(least));
        if (floor > r.grade)
            return {Kind::GradeBelowTraps, floor};
    }
    return {};
}

Outcome generateMaze(const Request& request, const Progress& progress)
{
    return Generator(request, progress).run();
}

} // namespace orvane::generate
