#include "RequestLimits.h"

#include "Lattice.h"
#include "play/Difficulty.h"

#include <cstdlib>

namespace orvane::generate {
namespace {

// Analyses one request may run: a base, and more for each arrow and trap.
constexpr int BaseBudget = 80;
constexpr int BudgetPerArrow = 4;
constexpr int BudgetPerTrap = 12;
// The most traps a map is allowed to ask for, by its rooms.
constexpr int RoomsPerTrap = 4;

} // namespace

int keysTolerance(int target)
{
    return target / 10;
}

bool keysMeet(int keys, int target)
{
    return std::abs(keys - target) <= keysTolerance(target);
}

int arrowTolerance(int arrows)
{
    return arrows / 10;
}

int leastKeys(const Request& request)
{
    return request.keys - keysTolerance(request.keys);
}

int leastGradeKeys(const Request& request)
{
    return (request.size.width + request.size.height + 2) / 3;
}

int mostTraps(MapSize size)
{
    return Lattice::of(size).rooms() / RoomsPerTrap;
}

int analysisBudget(const Request& request)
{
    return BaseBudget + BudgetPerArrow * request.arrows + BudgetPerTrap * request.traps;
}

RequestProblem checkRequest(const Request& r)
{
    using Kind = RequestProblem::Kind;
    for (int side : {r.size.width, r.size.height})
        if (side < MinSide || side > MapSizeMax)
            return {Kind::SizeOutOfRange, MinSide};
    const Lattice lattice = Lattice::of(r.size);
    if (r.aimsAtKeys() && leastKeys(r) > lattice.longestRoute())
        return {Kind::KeysOutOfRange, lattice.longestRoute()};
    if (r.keys < 0)
        return {Kind::KeysOutOfRange, lattice.longestRoute()};
    if (!r.aimsAtKeys() && (r.grade < EasiestGrade || r.grade > HardestGrade))
        return {Kind::GradeOutOfRange, HardestGrade};
    const int maxTraps = mostTraps(r.size);
    if (r.traps < 0 || r.traps > maxTraps)
        return {Kind::TrapsOutOfRange, maxTraps};
    if (r.arrows < 0 || r.arrows > lattice.rooms())
        return {Kind::ArrowsOutOfRange, lattice.rooms()};
    if (r.slack && !(*r.slack >= MinSlack && *r.slack <= MaxSlack))
        return {Kind::SlackOutOfRange, 0};
    return {};
}

} // namespace orvane::generate
