#pragma once
// What a map's size reaches reliably: the highest grade and the most keys
// that requests on it meet for at least 19 seeds in 20, as measured with the
// generator on maps from 5 x 5 to 128 x 128, square and in strips, with and
// without a few traps and arrows. Both grow with the rooms of the map's
// lattice (Lattice.h); strips reach as far as squares of as many rooms, or
// farther.

#include "Generator.h"

namespace orvane::generate {

// The rooms a map needs for grades 2 to 5 to be reached reliably; every map
// reaches grade 1.
inline constexpr int GradeRooms[] = {81, 128, 200, 529};

// The share of the longest route (Lattice::longestRoute) that key requests
// reach reliably falls as the rooms double: from KeysShareBase less
// KeysShareLossPerDoubling for each doubling from one room, never above all.
inline constexpr double KeysShareBase = 1.02;
inline constexpr double KeysShareLossPerDoubling = 0.056;

// The highest grade the size reaches reliably.
int reachableGrade(MapSize size);
// The most keys a route on the size reaches reliably.
int reachableKeys(MapSize size);

// Whether a request checkRequest passes asks more than its size reaches
// reliably: GradeBeyondReach or KeysBeyondReach, with the reach as the limit.
// The generator may still meet it, with a lucky seed.
RequestProblem checkReach(const Request& request);

// The request with its aim, traps and arrows brought within what its size
// holds and reaches reliably; the rest stays as it was.
Request withinReach(Request request);

} // namespace orvane::generate
