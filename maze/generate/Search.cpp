#include "Search.h"

#include "Carving.h"
#include "RequestLimits.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane::generate {
namespace {

constexpr QPoint Steps[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};

} // namespace

int longestReach(const Verdict& v)
{
    return v.analysis.keysTo.empty()
               ? 0
               : *std::max_element(v.analysis.keysTo.begin(), v.analysis.keysTo.end());
}

QPoint farthestCell(const Verdict& v)
{
    const auto& keys = v.analysis.keysTo;
    return keys.empty()
               ? QPoint()
               : v.analysis
                     .reachable[size_t(std::max_element(keys.begin(), keys.end()) - keys.begin())];
}

Search::Search(const Request& request, const Progress& progress, const std::atomic<bool>* stop)
    : request(request), progress(progress), stop(stop), random(request.seed),
      lattice(Lattice::of(request.size)), maze(std::make_unique<MazeState>()),
      budget(analysisBudget(request))
{
}

Verdict Search::judge()
{
    Verdict v = judgeMaze(*maze);
    ++judged;
    if (progress)
        progress(judged, budget);
    return v;
}

void Search::setGoal(QPoint cell)
{
    maze->header.GoalX = int16_t(cell.x());
    maze->header.GoalY = int16_t(cell.y());
}

std::vector<QPoint> Search::floorWays(QPoint cell) const
{
    std::vector<QPoint> ways;
    for (QPoint step : Steps)
        if (isFloor(*maze, cell + step))
            ways.push_back(cell + step);
    return ways;
}

Measures Search::measuresOf(const Verdict& v) const
{
    Measures m;
    m.solvable = v.analysis.solvable && v.analysis.valid();
    m.keys = v.keys();
    m.grade = v.difficulty.grade.value_or(0);
    m.traps = int(v.analysis.traps.size());
    m.arrows = v.arrows - trapArrows;
    m.cycles = !v.analysis.cycles.empty();
    return m;
}

double Search::shortfall(const Measures& m) const
{
    if (!m.solvable)
        return std::numeric_limits<double>::max();
    double s = request.aimsAtKeys() ? (keysMeet(m.keys, request.keys)
                                           ? 0
                                           : std::abs(m.keys - request.keys) / double(request.keys))
                                    : std::abs(m.grade - request.grade);
    s += std::abs(m.traps - request.traps) + (m.cycles ? 1 : 0);
    const int arrowsOff = std::abs(m.arrows - request.arrows);
    if (arrowsOff > arrowTolerance(request.arrows))
        s += arrowsOff / double(std::max(request.arrows, 1));
    return s;
}

void Search::consider(const Measures& m, bool finished)
{
    const double s = shortfall(m);
    if (!closestShortfall || s < *closestShortfall) {
        closest = m;
        closestShortfall = s;
        nearest = std::make_unique<MazeState>(*maze);
        nearestFinished = finished;
    }
}

} // namespace orvane::generate
