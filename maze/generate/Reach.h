#pragma once
// What a request's size reaches reliably: the highest grade and the most
// keys that requests on it meet for at least 19 seeds in 20, as measured
// with the generator on maps from 5 x 5 to 128 x 128, square and in strips.
// Both grow with the rooms of the map's lattice (Lattice.h); strips reach as
// far as squares of as many rooms, or farther. Arrows and traps asked lower
// the grade a map reaches as if it had fewer rooms.

#include "Generator.h"

namespace orvane::generate {

// The rooms a map needs for grades 2 to 5 to be reached reliably; every map
// reaches grade 1.
inline constexpr int GradeRooms[] = {81, 128, 200, 529};
// The rooms each arrow and each trap asked takes from the grade's reach.
inline constexpr double ArrowRoomCost = 1.5;
inline constexpr double TrapRoomCost = 3;

// The share of the longest route (Lattice::longestRoute) that key requests
// reach reliably falls as the rooms double: KeysShareBase less
// KeysShareLossPerDoubling for each doubling from one room.
inline constexpr double KeysShareBase = 1.02;
inline constexpr double KeysShareLossPerDoubling = 0.056;

// The highest grade the request's size reaches reliably with its traps and
// arrows.
int reachableGrade(const Request& request);
// The most keys a route on the size reaches reliably.
int reachableKeys(MapSize size);

// Whether a request checkRequest passes asks more than its size reaches
// reliably: GradeBeyondReach or KeysBeyondReach, with the reach as the limit.
// The generator may still meet it, with a lucky seed.
RequestProblem checkReach(const Request& request);

// The request with its traps and arrows within what its size holds, and its
// aim within what it then reaches reliably; the rest stays as it was.
Request withinReach(Request request);

} // namespace orvane::generate
