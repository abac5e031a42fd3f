#pragma once
// How hard a maze is for someone who plays it for the first time, from the
// walks of the simulated newcomer (Newcomer.h): the keys they need against
// the fewest keys, the dead ends they walk into and the traps they meet.

#include "Analysis.h"
#include "Newcomer.h"

#include <array>
#include <optional>

namespace orvane {

struct MazeState;

// The measure, an effort counted in keys: every key the newcomer presses,
// each key beyond the fewest twice more, and a number of keys for each dead
// end walked into and each trap met:
//   effort = newcomer keys + 2 * (newcomer keys - fewest keys)
//            + 20 * dead ends + 50 * traps met
// The grade is 1 below 150, 2 below 300, 3 below 600, 4 below 1200, else 5:
// each grade asks about twice the effort of the one before.
inline constexpr double WastedKeyWeight = 2;
inline constexpr double KeysPerDeadEnd = 20;
inline constexpr double KeysPerTrapMet = 50;
inline constexpr double GradeSteps[] = {150, 300, 600, 1200}; // the effort of grades 2 to 5
inline constexpr int EasiestGrade = 1;
inline constexpr int HardestGrade = 5;

struct Difficulty {
    int fewestKeys = 0;
    // The means of the walks.
    double newcomerKeys = 0;
    double deadEnds = 0;
    double trapsMet = 0;
    std::array<NewcomerWalk, NewcomerWalkCount> walks{};
    double effort = 0;
    std::optional<int> grade; // only for a maze that can be solved

    // How many times the fewest keys the newcomer needs.
    double keysRatio() const { return fewestKeys > 0 ? newcomerKeys / fewestKeys : 0; }
};

double effortOf(int fewestKeys, double newcomerKeys, double deadEnds, double trapsMet);
int gradeOfEffort(double effort);

// The difficulty of a maze from its analysis; what `orvane-mdt check`
// prints, the editor's check shows and the generator aims at.
Difficulty measureDifficulty(const MazeState& maze, const MazeAnalysis& analysis);

// The time a newcomer takes: their keys at a pace that grows with the grade,
// 2 keys a second at grade 1 to 4 at grade 5, and a few seconds to look at
// the start.
inline constexpr double LookSeconds = 5;
inline constexpr double NewcomerPaceEasiest = 2;
inline constexpr double NewcomerPacePerGrade = 0.5;
double newcomerKeysPerSecond(int grade);
double newcomerSeconds(const Difficulty& difficulty);

// A time limit people can meet: `slack` times the newcomer's time, rounded
// up, never below LeastTimeLimit and never the value meaning no limit.
// The generator's and the sample pack's limits take DefaultLimitSlack.
inline constexpr int16_t LeastTimeLimit = 20;
inline constexpr double DefaultLimitSlack = 1.5;
int16_t newcomerTimeLimit(const Difficulty& difficulty, double slack);

} // namespace orvane
