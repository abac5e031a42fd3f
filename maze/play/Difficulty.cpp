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

double effortOf(int fewestKeys, double newcomerKeys, double deadEnds, double trapsMet)
{
    return newcomerKeys + WastedKeyWeight * std::max(0.0, newcomerKeys - fewestKeys) +
           KeysPerDeadEnd * deadEnds + KeysPerTrapMet * trapsMet;
}

int gradeOfEffort(double effort)
{
    return EasiestGrade + int(std::count_if(std::begin(GradeSteps), std::end(GradeSteps),
                                            [&](double step) { return effort >= step; }));
}

Difficulty measureDifficulty(const MazeState& maze, const MazeAnalysis& a)
{
    Difficulty d;
    if (!a.solvable)
        return d;
    d.fewestKeys = int(a.route.size());
    d.walks = walkAsNewcomer(maze, a);
    for (const NewcomerWalk& w : d.walks) {
        d.newcomerKeys += w.keys;
        d.deadEnds += w.deadEnds;
        d.trapsMet += w.trapsMet;
    }
    d.newcomerKeys /= NewcomerWalkCount;
    d.deadEnds /= NewcomerWalkCount;
    d.trapsMet /= NewcomerWalkCount;
    d.effort = effortOf(d.fewestKeys, d.newcomerKeys, d.deadEnds, d.trapsMet);
    d.grade = gradeOfEffort(d.effort);
    return d;
}

double newcomerKeysPerSecond(int grade)
{
    return NewcomerPaceEasiest +
           NewcomerPacePerGrade * (std::clamp(grade, EasiestGrade, HardestGrade) - EasiestGrade);
}

double newcomerSeconds(const Difficulty& d)
{
    return d.newcomerKeys / newcomerKeysPerSecond(d.grade.value_or(EasiestGrade)) + LookSeconds;
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
