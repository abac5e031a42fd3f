#include "Reach.h"

#include "Lattice.h"
#include "RequestLimits.h"
#include "play/Difficulty.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace orvane::generate {

int reachableGrade(const Request& r)
{
    const double rooms =
        Lattice::of(r.size).rooms() - ArrowRoomCost * r.arrows - TrapRoomCost * r.traps;
    return EasiestGrade + int(std::count_if(std::begin(GradeRooms), std::end(GradeRooms),
                                            [&](int needed) { return rooms >= needed; }));
}

int reachableKeys(MapSize size)
{
    const Lattice lattice = Lattice::of(size);
    const double share =
        KeysShareBase - KeysShareLossPerDoubling * std::log2(std::max(lattice.rooms(), 1));
    return std::clamp(int(lattice.longestRoute() * share), 1, std::max(lattice.longestRoute(), 1));
}

RequestProblem checkReach(const Request& r)
{
    using Kind = RequestProblem::Kind;
    if (r.aimsAtKeys()) {
        if (const int most = reachableKeys(r.size); r.keys > most)
            return {Kind::KeysBeyondReach, most};
    } else if (const int highest = reachableGrade(r); r.grade > highest) {
        return {Kind::GradeBeyondReach, highest};
    }
    return {};
}

Request withinReach(Request r)
{
    r.traps = std::clamp(r.traps, 0, mostTraps(r.size));
    r.arrows = std::clamp(r.arrows, 0, Lattice::of(r.size).rooms());
    if (r.aimsAtKeys())
        r.keys = std::min(r.keys, reachableKeys(r.size));
    r.grade = std::clamp(r.grade, EasiestGrade, reachableGrade(r));
    return r;
}

} // namespace orvane::generate
