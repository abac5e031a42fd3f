#pragma once
// How hard a maze is for someone who plays it for the first time, from the
// walks of the simulated newcomer (Newcomer.h): the choices they meet, the
// keys they waste, the dead ends they walk into and the traps they meet, and
// only weakly the length of the way, which goes into the time limit instead.

#include "Analysis.h"
#include "Newcomer.h"

#include <array>
#include <optional>

namespace orvane {

struct MazeState;
struct WalkTrace;

// The measure, an effort in points: the choices met (the wrong ways of the
// forks on the walk, each weighed by the cells behind it, Forks.h), the
// keys beyond the fewest, the dead ends walked into and the traps met, and
// the length of the way on a log scale, capped, so that no way without a
// choice, however long, leaves the easiest grade:
//   effort = choices + 0.1 * (newcomer keys - fewest keys)
//            + 2 * dead ends + 10 * traps met
//            + min(log2(1 + fewest keys), 10)
// The grade is 1 below 30, 2 below 45, 3 below 65, 4 below 130, else 5. A
// perfect maze of 31 x 31 rooms of long winding corridors, crossed corner
// to corner, is mostly a 4 or a 5.
inline constexpr double ChoiceWeight = 1;
inline constexpr double WastedKeyWeight = 0.1;
inline constexpr double PointsPerDeadEnd = 2;
inline constexpr double PointsPerTrapMet = 10;
inline constexpr double LengthWeight = 1;
inline constexpr double MostLengthPoints = 10;
inline constexpr double GradeSteps[] = {30, 45, 65, 130}; // the effort of grades 2 to 5
inline constexpr int EasiestGrade = 1;
inline constexpr int HardestGrade = 5;

// The parts of the effort: the fewest keys, and the means of the walks.
struct EffortParts {
    int fewestKeys = 0;
    double newcomerKeys = 0;
    double choices = 0;
    double deadEnds = 0;
    double trapsMet = 0;
};

struct Difficulty : EffortParts {
    double forks = 0; // the mean of the walks' forks, shown beside the choices
    std::array<NewcomerWalk, NewcomerWalkCount> walks{};
    double effort = 0;
    std::optional<int> grade; // only for a maze that can be solved

    // How many times the fewest keys the newcomer needs.
    double keysRatio() const { return fewestKeys > 0 ? newcomerKeys / fewestKeys : 0; }
};

double lengthPoints(int fewestKeys);
double effortOf(const EffortParts& parts);
int gradeOfEffort(double effort);

// The difficulty of a maze from its analysis; what `orvane-mdt check`
// prints, the editor's check shows and the generator aims at. Given a trace,
// where the newcomer's walks went is added to it.
Difficulty measureDifficulty(const MazeState& maze, const MazeAnalysis& analysis,
                             WalkTrace* trace = nullptr);

// The time a newcomer takes: their keys at one steady pace, a few seconds
// to look at the start, and a moment at each fork they decide at. It never
// falls as any part of the effort rises.
inline constexpr double LookSeconds = 5;
inline constexpr double NewcomerKeysPerSecond = 3;
inline constexpr double SecondsPerFork = 1;
double newcomerSeconds(const Difficulty& difficulty);

// A time limit people can meet: `slack` times the newcomer's time, rounded
// up, never below LeastTimeLimit and never the value meaning no limit.
// The generator's and the sample pack's limits take DefaultLimitSlack.
inline constexpr int16_t LeastTimeLimit = 20;
inline constexpr double DefaultLimitSlack = 1.5;
int16_t newcomerTimeLimit(const Difficulty& difficulty, double slack);

} // namespace orvane
