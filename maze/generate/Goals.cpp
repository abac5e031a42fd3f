#include "Goals.h"

#include "RequestLimits.h"
#include "RouteChoices.h"
#include "Search.h"
#include "Traps.h"
#include "play/Difficulty.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace orvane::generate {
namespace {

// Goal cells tried on one carving, for keys and for a grade.
constexpr int MaxGoalTries = 4;
constexpr int MaxGradeProbes = 12;

struct GoalCell {
    int keys; // from the start
    QPoint cell;
    int rest; // its place in the analysis's reachable cells
};

// Where the goal may go: a reachable floor without an arrow. Dead ends
// come first, or only they when there are any: a goal in a corridor would
// cut off every cell behind it.
std::vector<GoalCell> goalCells(Search& s, const Verdict& v, bool deadEndsOnly)
{
    std::vector<GoalCell> ends;
    std::vector<GoalCell> others;
    for (size_t i = 1; i < v.analysis.reachable.size(); ++i) {
        const QPoint cell = v.analysis.reachable[i];
        if (s.at(cell).Item == NoItem)
            (s.floorWays(cell).size() == 1 ? ends : others)
                .push_back({v.analysis.keysTo[i], cell, int(i)});
    }
    s.random.shuffle(ends);
    s.random.shuffle(others);
    if (deadEndsOnly && !ends.empty())
        return ends;
    ends.insert(ends.end(), others.begin(), others.end());
    return ends;
}

// Closes the traps of the maze `v` judges, measures its difficulty and
// gives it the time limit that follows, which changes nothing the judge
// measures.
void complete(Search& s, Verdict& v)
{
    placeTraps(s, v);
    gradeMaze(*s.maze, v);
    s.maze->header.TimeLimit =
        s.request.slack ? newcomerTimeLimit(v.difficulty, *s.request.slack) : NoTimeLimit;
}

// Puts the goal on a cell, closes the traps, judges the result (the last
// analysis is always of the maze as it is kept), measures its difficulty
// and gives it the time limit that follows, which changes nothing the
// judge measures. `grade` gets the grade reached, 0 when none.
bool finish(Search& s, QPoint goal, int* grade = nullptr)
{
    s.trapArrows = 0;
    s.setGoal(goal);
    Verdict v = s.judge();
    if (!v.analysis.solvable || !v.analysis.traps.empty() || !v.analysis.cycles.empty() ||
        (s.request.aimsAtKeys() && !keysMeet(v.keys(), s.request.keys))) {
        s.consider(s.measuresOf(v));
        return false;
    }
    complete(s, v);
    const Measures m = s.measuresOf(v);
    s.consider(m, v.saveable);
    if (grade)
        *grade = m.grade;
    if (!s.meets(v))
        return false;
    s.result = std::make_unique<MazeState>(*s.maze);
    return true;
}

// Goals at the distance asked: dead ends first, the closest first.
void tryKeyGoals(Search& s, const Verdict& v, const MazeState& base)
{
    const int target = s.request.keys;
    std::vector<GoalCell> goals = goalCells(s, v, false);
    const auto off = [&](const GoalCell& g) { return std::abs(g.keys - target); };
    if (!goals.empty() && std::none_of(goals.begin(), goals.end(), [&](const GoalCell& g) {
            return keysMeet(g.keys, target);
        })) { // no cell as far as asked: tell the nearest
        const GoalCell& nearest = *std::min_element(
            goals.begin(), goals.end(), [&](auto& a, auto& b) { return off(a) < off(b); });
        Measures m = s.measuresOf(v);
        m.keys = nearest.keys;
        s.setGoal(nearest.cell); // the try, unjudged: finished only if it stays the closest
        s.consider(m);
        return;
    }
    std::erase_if(goals, [&](const GoalCell& g) { return !keysMeet(g.keys, target); });
    // Dead ends first, then the closest to the target; a stable sort keeps
    // the shuffled order among equals, so the order is the same everywhere.
    const auto order = [&](const GoalCell& g) {
        return std::pair(s.floorWays(g.cell).size() != 1, off(g));
    };
    std::stable_sort(goals.begin(), goals.end(),
                     [&](const GoalCell& a, const GoalCell& b) { return order(a) < order(b); });
    for (size_t i = 0; i < goals.size() && i < size_t(MaxGoalTries) && s.roomForGoal(); ++i) {
        *s.maze = base;
        if (finish(s, goals[i].cell))
            return;
    }
}

// A search over the goals for the grade asked, ordered by the choices
// estimated on the way to them: the grade grows with the choices met. No
// goal is nearer than leastGradeKeys.
void tryGradeGoals(Search& s, const Verdict& v, const MazeState& base)
{
    std::vector<GoalCell> goals = goalCells(s, v, true);
    std::erase_if(goals, [&](const GoalCell& g) { return g.keys < leastGradeKeys(s.request); });
    const std::vector<double> choices = routeChoices(v.analysis);
    std::stable_sort(goals.begin(), goals.end(), [&](const GoalCell& a, const GoalCell& b) {
        return choices[size_t(a.rest)] < choices[size_t(b.rest)];
    });
    int lo = 0;
    int hi = int(goals.size()) - 1;
    for (int probe = 0; probe < MaxGradeProbes && lo <= hi && s.roomForGoal(); ++probe) {
        const int mid = (lo + hi) / 2;
        *s.maze = base;
        int grade = 0;
        if (finish(s, goals[size_t(mid)].cell, &grade))
            return;
        if (grade == 0) { // no grade to steer by: the next goal in its place
            goals.erase(goals.begin() + mid);
            --hi;
        } else if (grade < s.request.grade) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
}

} // namespace

void finishNearest(Search& s)
{
    if (!s.nearest || s.nearestFinished)
        return;
    *s.maze = *s.nearest;
    s.trapArrows = 0;
    Verdict v = s.judge();
    if (!v.analysis.solvable || !v.saveable) {
        s.nearest.reset();
        return;
    }
    complete(s, v);
    s.closest = s.measuresOf(v);
    *s.nearest = *s.maze;
    s.nearestFinished = true;
}

void tryGoals(Search& s, const Verdict& v, const MazeState& base)
{
    if (s.request.aimsAtKeys())
        tryKeyGoals(s, v, base);
    else
        tryGradeGoals(s, v, base);
}

} // namespace orvane::generate
