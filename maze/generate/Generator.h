#pragma once

#include "MazeConstants.h"
#include "play/Difficulty.h"

#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace orvane {
struct MazeState;
}

namespace orvane::generate {

inline constexpr int MinSide = 5; // two rooms each way
inline constexpr MapSize DefaultSize = DefaultMapSize;
inline constexpr int DefaultGrade = 2; // a grade maps of the default size always reach
inline constexpr double DefaultSlack = DefaultLimitSlack;
inline constexpr double MinSlack = 0.5;
inline constexpr double MaxSlack = 10;

// What a maze is to be: its size, what to aim at (fewest keys, or a grade
// when keys is 0), how many traps and arrows, its time limit as a multiple
// of the time a newcomer takes (newcomerTimeLimit), and its texts (code page
// 932 bytes).
struct Request {
    MapSize size = DefaultSize;
    int keys = 0;
    int grade = DefaultGrade;
    int traps = 0;  // exactly this many reachable trap cells
    int arrows = 0; // about this many arrow cells, besides one closing each trap
    std::optional<double> slack = DefaultSlack; // nothing: no time limit
    uint64_t seed = 0;
    QByteArray title;
    QByteArray music;

    bool aimsAtKeys() const { return keys > 0; }
};

// Why a request can never be met, and the bound it passes.
struct RequestProblem {
    enum class Kind {
        None,
        SizeOutOfRange,   // limit: MinSide; MapSizeMax the other bound
        KeysOutOfRange,   // limit: the most keys a route on the map can take
        GradeOutOfRange,  // limit: HardestGrade
        TrapsOutOfRange,  // limit: the most traps the map can hold
        ArrowsOutOfRange, // limit: the most arrows the map can hold
        SlackOutOfRange,  // MinSlack..MaxSlack
        // Beyond what the size reaches reliably (checkReach, Reach.h), never
        // from checkRequest. limit: the reach.
        GradeBeyondReach,
        KeysBeyondReach,
    };
    Kind kind = Kind::None;
    int limit = 0;

    explicit operator bool() const { return kind != Kind::None; }
};

RequestProblem checkRequest(const Request& request);

// How far the fewest keys may be from the target: a tenth.
int keysTolerance(int target);
// The fewest keys within keysTolerance of the target, as a request asks.
bool keysMeet(int keys, int target);
// How far the arrow cells may be from the number asked: a tenth.
int arrowTolerance(int arrows);

// What a maze the generator built holds, as measured by the analysis.
struct Measures {
    bool solvable = false;
    int keys = 0; // the fewest keys; the longest route when none was laid
    int grade = 0;
    int traps = 0;
    int arrows = 0; // arrow cells besides those closing traps
    bool cycles = false;
};

struct Outcome {
    std::unique_ptr<MazeState> maze; // the maze when the request was met, else null
    // When it was not: the closest try, finished as a met one would be (its
    // goal, traps and time limit) and judged again; null when no try could
    // be solved.
    std::unique_ptr<MazeState> nearest;
    Measures measures; // of the maze, the nearest, or else the closest try
    int judged = 0;    // analyses run; finishing the nearest may take one past the budget
    int budget = 0;    // analyses allowed
};

// Called after every analysis with the count so far and the budget.
using Progress = std::function<void(int judged, int budget)>;

// Builds a maze that meets the request, judging every change with the
// analysis `orvane-mdt check` runs, within a bounded number of analyses.
// The same request gives the same maze. The request must pass checkRequest.
// Setting `stop`, from any thread, ends the search at its next analysis.
Outcome generateMaze(const Request& request, const Progress& progress = {},
                     const std::atomic<bool>* stop = nullptr);

} // namespace orvane::generate
