#pragma once

#include "Moves.h"

#include <QPoint>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

struct MazeState;

// The keys of a route, in the order the search tries them.
inline constexpr char RouteKeys[] = {'S', 'U', 'D', 'L', 'R'};
inline constexpr int RouteKeyCount = int(std::size(RouteKeys));
// A key's target that ends the game instead of leaving the ball somewhere.
inline constexpr int EndsGame = -1;

// What the rules of the game allow on a maze, found by trying every key on
// every cell the ball can rest on (a breadth-first search with KeyStep, the
// rules the player runs).
struct MazeAnalysis {
    bool startValid = false; // on a Chip of 7 or more, as saving demands
    bool goalValid = false;
    bool solvable = false; // the goal test can hold after some key press
    // The fewest key presses that end the game: U, D, L, R for the arrow
    // keys, S for a key that does not move the ball.
    std::string route;
    std::vector<QPoint> routeCells; // the start, then every cell the ball enters
    std::vector<QPoint> reachable;  // cells the ball can rest on, the start first
    std::vector<QPoint> traps;      // reachable cells the goal cannot be reached from
    std::vector<QPoint> cycles;     // cells where a key press ends by the cycle bound

    // By reachable cell, in the order of `reachable`: the fewest keys that
    // leave the ball there, and where each key of RouteKeys leaves it (an
    // index into `reachable`, or EndsGame).
    std::vector<int> keysTo;
    std::vector<std::array<int, RouteKeyCount>> keyTargets;
    // The reachable cell each key of the route is pressed on.
    std::vector<int> routeRests;

    bool valid() const { return startValid && goalValid; }
};

// The direction of a route key; nothing for S.
std::optional<Direction> directionOfRouteKey(char key);

MazeAnalysis analyseMaze(const MazeState& maze);
// The fewest keys to the goal; nothing when the maze cannot be solved.
std::optional<int> fewestKeys(const MazeState& maze);

// The pace a route's time is measured at unless told otherwise: a player's
// steady four keys a second.
inline constexpr double DefaultKeysPerSecond = 4.0;

// How a route's time compares with the maze's time limit.
enum class RouteFit { NoLimit, Fits, Tight, TooSlow };
// Within this share of the limit a route is tight.
inline constexpr double TightShare = 0.2;

struct RouteTiming {
    double seconds = 0;
    RouteFit fit = RouteFit::NoLimit;
};

// The time `keys` presses take at `keysPerSecond`, against a TimeLimit. A
// limit of 0 or less still lasts until the first tick, one second.
RouteTiming timeRoute(int keys, double keysPerSecond, int16_t timeLimit);

} // namespace orvane
