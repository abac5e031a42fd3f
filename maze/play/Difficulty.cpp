#include "Difficulty.h"

#include "MazeState.h"

#include <algorithm>
#include <iterator>

namespace orvane {

double difficultyPoints(const DifficultyInputs& in)
{
    return in.keys / KeysPerPoint + in.decisions / DecisionsPerPoint +
           std::min(in.deadEnds, DeadEndsCounted) / DeadEndsPerPoint + in.traps * PointsPerTrap +
           PointsPerSlackShort * std::max(0.0, RelaxedSlack - in.slack);
}

int gradeOfPoints(double points)
{
    return EasiestGrade + int(std::count_if(std::begin(GradeSteps), std::end(GradeSteps),
                                            [&](double step) { return points >= step; }));
}

int countDecisions(const MazeAnalysis& a)
{
    constexpr int Nowhere = EndsGame - 1; // where the start came from: no cell, no game's end
    int decisions = 0;
    int previous = Nowhere;
    for (const int cell : a.routeRests) {
        std::array<int, RouteKeyCount> ways{};
        int count = 0;
        for (const int to : a.keyTargets[size_t(cell)])
            if (to != cell && to != previous &&
                std::find(ways.begin(), ways.begin() + count, to) == ways.begin() + count)
                ways[size_t(count++)] = to;
        decisions += count >= 2;
        previous = cell;
    }
    return decisions;
}

int countDeadEnds(const MazeAnalysis& a, QPoint goal)
{
    int deadEnds = 0;
    for (size_t cell = 1; cell < a.reachable.size(); ++cell) { // the start is the first
        if (a.reachable[cell] == goal)
            continue;
        const auto& targets = a.keyTargets[cell];
        deadEnds += std::count_if(targets.begin(), targets.end(),
                                  [&](int to) { return to != int(cell); }) == 1;
    }
    return deadEnds;
}

double timeSlack(int keys, double keysPerSecond, int16_t timeLimit)
{
    if (timeLimit == NoTimeLimit)
        return std::numeric_limits<double>::infinity();
    return std::max<int>(timeLimit, 1) / timeRoute(keys, keysPerSecond, timeLimit).seconds;
}

Difficulty measureDifficulty(const MazeState& maze, const MazeAnalysis& a, double keysPerSecond)
{
    Difficulty d;
    const MazeHeader& h = maze.header;
    DifficultyInputs& in = d.inputs;
    in.keys = int(a.route.size());
    in.decisions = countDecisions(a);
    in.deadEnds = countDeadEnds(a, {h.GoalX, h.GoalY});
    in.traps = int(a.traps.size());
    if (a.solvable)
        in.slack = timeSlack(in.keys, keysPerSecond, h.TimeLimit);
    d.points = difficultyPoints(in);
    if (a.solvable)
        d.grade = gradeOfPoints(d.points);
    return d;
}

} // namespace orvane
