#include "Difficulty.h"

#include "MazeConstants.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace orvane {
namespace {

// A time limit is rounded up, past this much below a whole second.
constexpr double RoundingSlop = 1e-9;

} // namespace

double lengthPoints(int fewestKeys)
{
    return std::min(LengthWeight * std::log2(1.0 + std::max(fewestKeys, 0)), MostLengthPoints);
}

double effortOf(const EffortParts& p)
{
    return ChoiceWeight * p.choices +
           WastedKeyWeight * std::max(0.0, p.newcomerKeys - p.fewestKeys) +
           PointsPerDeadEnd * p.deadEnds + PointsPerTrapMet * p.trapsMet +
           lengthPoints(p.fewestKeys);
}

int gradeOfEffort(double effort)
{
    return EasiestGrade + int(std::count_if(std::begin(GradeSteps), std::end(GradeSteps),
                                            [&](double step) { return effort >= step; }));
}

Difficulty measureDifficulty(const MazeState& maze, const MazeAnalysis& a, WalkTrace* trace)
{
    Difficulty d;
    if (!a.solvable)
        return d;
    d.fewestKeys = int(a.route.size());
    d.walks = walkAsNewcomer(maze, a, trace);
    for (const NewcomerWalk& w : d.walks) {
        d.newcomerKeys += w.keys;
        d.choices += w.choices;
        d.forks += w.forks;
        d.deadEnds += w.deadEnds;
        d.trapsMet += w.trapsMet;
    }
    for (double* mean : {&d.newcomerKeys, &d.choices, &d.forks, &d.deadEnds, &d.trapsMet})
        *mean /= NewcomerWalkCount;
    d.effort = effortOf(d);
    d.grade = gradeOfEffort(d.effort);
    return d;
}

double newcomerSeconds(const Difficulty& d)
{
    return LookSeconds + d.newcomerKeys / NewcomerKeysPerSecond + SecondsPerFork * d.forks;
}

int16_t newcomerTimeLimit(const Difficulty& d, double slack)
{
    int limit =
        std::max<int>(LeastTimeLimit, int(std::ceil(slack * newcomerSeconds(d) - RoundingSlop)));
    if (limit == NoTimeLimit)
        ++limit; // 1000 would mean no limit at all
    return int16_t(std::min<int>(limit, INT16_MAX));
}

} // namespace orvane
