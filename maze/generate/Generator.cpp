// The search: fresh carvings one after another, each with its start, its
// arrows and its goals, until a maze meets the request or the analyses run
// out. The steps live in Start, Arrows, Goals and Traps; Search holds what
// they share and judges every change.

#include "Generator.h"

#include "Arrows.h"
#include "Carving.h"
#include "Goals.h"
#include "RequestLimits.h"
#include "Search.h"
#include "Start.h"

namespace orvane::generate {
namespace {

// Fresh carvings tried, and their styles by attempt: how often the newest
// room goes on, in 8. The easiest grade takes the winding style every time:
// it branches least, so its ways pass the fewest forks.
constexpr int MaxCarvings = 6;
constexpr int NewestShares[] = {6, 7, 8, 5, 8, 7};
constexpr int WindingShare = 8;

int shareFor(const Request& request, int attempt)
{
    return !request.aimsAtKeys() && request.grade == EasiestGrade ? WindingShare
                                                                  : NewestShares[attempt];
}

// One carving: lay it, start at one end of a long way through it, add the
// arrows, then try goals.
void attempt(Search& s, int newestShare)
{
    s.tree = carveTree(s.lattice, s.random, newestShare);
    layMaze(*s.maze, s.request.size, s.lattice, s.tree, s.random);
    s.maze->header.Title = s.request.title;
    s.maze->header.MusicFile = s.request.music;
    const QPoint start = s.lattice.cellOf(chooseStart(s));
    s.maze->header.StartX = int16_t(start.x());
    s.maze->header.StartY = int16_t(start.y());
    // Until a goal is chosen the start is the goal: traps are cells with no way back.
    s.setGoal(start);
    s.trapArrows = 0;
    Verdict v = s.judge();
    if (s.request.aimsAtKeys() && longestReach(v) < leastKeys(s.request)) {
        Measures m = s.measuresOf(v);
        m.keys = longestReach(v);
        s.setGoal(farthestCell(v)); // the try: the goal as far as the carving goes
        s.consider(m);
        return;
    }
    placeArrows(s, v);
    const MazeState base = *s.maze;
    tryGoals(s, v, base);
    if (!s.result)
        *s.maze = base;
}

} // namespace

Outcome generateMaze(const Request& request, const Progress& progress,
                     const std::atomic<bool>* stop)
{
    Search s(request, progress, stop);
    for (int n = 0; n < MaxCarvings && !s.result && !s.spent(); ++n)
        attempt(s, shareFor(request, n));
    if (!s.result)
        finishNearest(s);
    Outcome o;
    o.maze = std::move(s.result);
    if (!o.maze)
        o.nearest = std::move(s.nearest);
    o.measures = s.closest;
    o.judged = s.judged;
    o.budget = s.budget;
    return o;
}

} // namespace orvane::generate
