#include "Reach.h"

#include "Lattice.h"
#include "RequestLimits.h"
#include "play/Difficulty.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace orvane::generate {

int reachableGrade(MapSize size)
{
    const int rooms = Lattice::of(size).rooms();
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
    } else if (const int highest = reachableGrade(r.size); r.grade > highest) {
        return {Kind::GradeBeyondReach, highest};
    }
    return {};
}

Request withinReach(Request r)
{
    const Lattice lattice = Lattice::of(r.size);
    if (r.aimsAtKeys())
        r.keys = std::min(r.keys, reachableKeys(r.size));
    r.grade = std::clamp(r.grade, EasiestGrade, reachableGrade(r.size));
    r.traps = std::clamp(r.traps, 0, mostTraps(r.size));
    r.arrows = std::clamp(r.arrows, 0, lattice.rooms());
    return r;
}

} // namespace orvane::generate
