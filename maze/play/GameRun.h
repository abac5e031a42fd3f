#pragma once

#include "Moves.h"

#include <QPoint>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

struct MazeState;

// The keys of a game as they were pressed: a route letter each (U, D, L, R
// for the arrow keys, S for a key that does not move the ball, as in a
// route of analyseMaze) and the play clock's tick count when it was pressed.
struct GameRun {
    std::string keys;
    std::vector<int> ticks; // as many as keys, each at least the one before

    bool empty() const { return keys.empty(); }
    int size() const { return int(keys.size()); }
    void clear()
    {
        keys.clear();
        ticks.clear();
    }
    friend bool operator==(const GameRun&, const GameRun&) = default;
};

// The letter of a key the game ran: its direction, or S for none.
char runKeyOf(std::optional<Direction> key);
bool isRunKey(char letter);

// A run is kept only up to the keys of its maze's limit pressed at this
// pace; a limit of 0 or less lasts one second, and a maze without a limit
// (or with one past the editor's 999 seconds) counts as 999 seconds.
inline constexpr int RunKeysPerSecond = 20;
inline constexpr int LongestRunSeconds = 999;
inline constexpr int MaxRunKeys = RunKeysPerSecond * LongestRunSeconds;
int maxRunKeys(int16_t timeLimit);

// When each key of a run is pressed, in milliseconds from the game's start:
// the keys of one tick spread evenly over that second.
std::vector<int64_t> runKeyTimes(const GameRun& run);

// A run played on a maze by the game's rules, from its start.
struct RunReplay {
    enum class End {
        Goal,   // the goal test held: `keys` is the key that ended the game
        TimeUp, // the clock ran out before the key after `keys`
        RunOut, // every key pressed and the goal not reached
    };
    End end = End::RunOut;
    int keys = 0;    // the keys pressed
    int seconds = 0; // the tick of the goal key, the time-up's tick, or the last key's
    // The cell the ball rests on after each key pressed (the goal, for the
    // key that ends the game); the start before the first.
    std::vector<QPoint> rests;
    QPoint start;
};

// Plays `run` on the maze (its grid and header; the working values are not
// touched). A limited clock runs out at the tick the player's would: a key
// pressed at that tick or later comes too late.
RunReplay replayRun(const MazeState& maze, const GameRun& run);

} // namespace orvane
