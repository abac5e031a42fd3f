#include "GameRun.h"

#include "Analysis.h"
#include "GameStart.h"
#include "KeyStep.h"
#include "MazeState.h"
#include "PlayBoard.h"

#include <algorithm>
#include <memory>

namespace orvane {
namespace {

constexpr int64_t MsPerTick = 1000;

} // namespace

char runKeyOf(std::optional<Direction> key)
{
    if (!key)
        return 'S';
    switch (*key) {
    case Direction::Up:
        return 'U';
    case Direction::Down:
        return 'D';
    case Direction::Left:
        return 'L';
    case Direction::Right:
        return 'R';
    }
    return 'S';
}

bool isRunKey(char letter)
{
    return std::find(std::begin(RouteKeys), std::end(RouteKeys), letter) != std::end(RouteKeys);
}

int maxRunKeys(int16_t timeLimit)
{
    const int seconds = timeLimit == NoTimeLimit ? LongestRunSeconds
                                                 : std::clamp<int>(timeLimit, 1, LongestRunSeconds);
    return seconds * RunKeysPerSecond;
}

std::vector<int64_t> runKeyTimes(const GameRun& run)
{
    std::vector<int64_t> times;
    times.reserve(run.ticks.size());
    for (size_t first = 0; first < run.ticks.size();) {
        size_t end = first;
        while (end < run.ticks.size() && run.ticks[end] == run.ticks[first])
            ++end;
        const auto count = int64_t(end - first);
        for (size_t i = first; i < end; ++i)
            times.push_back(run.ticks[first] * MsPerTick + int64_t(i - first) * MsPerTick / count);
        first = end;
    }
    return times;
}

RunReplay replayRun(const MazeState& maze, const GameRun& run)
{
    RunReplay replay;
    const auto game = std::make_unique<MazeState>(maze);
    PlayBoard board;
    StartGame(*game, board);
    replay.start = {game->CursorX, game->CursorY};
    // The tick whose time-up ends a limited game (a limit of 0 or less at the first).
    const std::optional<int> timeUp =
        maze.header.TimeLimit == NoTimeLimit
            ? std::nullopt
            : std::optional<int>(std::max<int>(maze.header.TimeLimit, 1));
    const int keys = std::min(run.size(), int(run.ticks.size()));
    for (int i = 0; i < keys; ++i) {
        if (timeUp && run.ticks[size_t(i)] >= *timeUp) {
            replay.end = RunReplay::End::TimeUp;
            replay.seconds = *timeUp;
            return replay;
        }
        const KeyOutcome outcome = KeyStep(*game, board, directionOfRouteKey(run.keys[size_t(i)]));
        replay.rests.push_back({game->CursorX, game->CursorY});
        replay.keys = i + 1;
        replay.seconds = run.ticks[size_t(i)];
        if (outcome.reachedGoal) {
            replay.end = RunReplay::End::Goal;
            return replay;
        }
    }
    return replay;
}

} // namespace orvane
