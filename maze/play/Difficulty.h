#pragma once

#include "Analysis.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace orvane {

struct MazeState;

// What a maze's difficulty is measured from.
struct DifficultyInputs {
    int keys = 0;      // the fewest keys that end the game
    int decisions = 0; // route cells where the player must choose
    int deadEnds = 0;  // reachable cells with a single way on
    int traps = 0;     // reachable cells the goal cannot be reached from
    // The time limit over the route's time; infinite without a limit.
    double slack = std::numeric_limits<double>::infinity();
};

// The difficulty's terms. Every term grows with its input (or with less
// slack), so more of anything never lowers the grade:
//   points = keys / 50 + decisions / 5 + min(deadEnds, 100) / 100 + traps
//            + 4 * max(0, 1.5 - slack)
// and the grade is 1 below 1.5 points, 2 below 3, 3 below 5, 4 below 8, else 5.
inline constexpr double KeysPerPoint = 50;
inline constexpr double DecisionsPerPoint = 5;
inline constexpr int DeadEndsCounted = 100;
inline constexpr double DeadEndsPerPoint = 100;
inline constexpr double PointsPerTrap = 1;
inline constexpr double RelaxedSlack = 1.5;
inline constexpr double PointsPerSlackShort = 4;
inline constexpr double GradeSteps[] = {1.5, 3, 5, 8}; // the points that reach grades 2 to 5
inline constexpr int EasiestGrade = 1;
inline constexpr int HardestGrade = 5;

double difficultyPoints(const DifficultyInputs& in);
int gradeOfPoints(double points);

// Cells where a key of the route is pressed and at least two keys take the
// ball to two different cells other than the one it came from (ending the
// game counts as one such cell).
int countDecisions(const MazeAnalysis& analysis);
// Reachable cells, other than the start and `goal`, where exactly one key
// moves the ball.
int countDeadEnds(const MazeAnalysis& analysis, QPoint goal);
// The time limit over the time `keys` presses take at `keysPerSecond`
// (a limit of 0 or less lasts one second); infinite without a limit.
double timeSlack(int keys, double keysPerSecond, int16_t timeLimit);

struct Difficulty {
    DifficultyInputs inputs;
    double points = 0;
    std::optional<int> grade; // only for a maze that can be solved
};

Difficulty measureDifficulty(const MazeState& maze, const MazeAnalysis& analysis,
                             double keysPerSecond = DefaultKeysPerSecond);

} // namespace orvane
