#pragma once

#include <cstdint>

namespace orvane {

struct MazeState;

// What the clock shows: the seconds left, or no limit at all.
struct ClockReading {
    bool limited = false;
    int16_t secondsLeft = 0;
};

// A game's clock starts: TimeLeft := TimeLimit.
ClockReading StartClock(MazeState& maze);

// What one tick of the clock did, and what the window must do.
struct ClockTickOutcome {
    bool counted = false; // show the reading and beep
    ClockReading reading;
    bool timeUp = false; // the message, then the game stops
};

// One second of a game: a limited clock counts TimeLeft down by one (never
// below the 16-bit range) and runs out at 0 or less; no limit does nothing.
ClockTickOutcome ClockTick(MazeState& maze);

} // namespace orvane
