#include "PlayClock.h"

#include "MazeState.h"

#include <algorithm>
#include <limits>

namespace orvane {

ClockReading StartClock(MazeState& maze)
{
    maze.TimeLeft = maze.header.TimeLimit;
    return {maze.TimeLeft != NoTimeLimit, maze.TimeLeft};
}

ClockTickOutcome ClockTick(MazeState& maze)
{
    ClockTickOutcome out;
    if (maze.header.TimeLimit == NoTimeLimit)
        return out;
    maze.TimeLeft = int16_t(std::max<int>(maze.TimeLeft - 1, std::numeric_limits<int16_t>::min()));
    out.counted = true;
    out.reading = {true, maze.TimeLeft};
    out.timeUp = maze.TimeLeft <= 0;
    return out;
}

} // namespace orvane
