#pragma once
// Arrows as moves, each judged and kept only when the maze still allows
// every goal: one-way doors through the walls between two rooms, and pushes
// along the loops the doors make.

#include "MazeConstants.h"

#include <QPoint>

#include <cstdint>

namespace orvane::generate {

struct Search;
struct Verdict;

inline constexpr int16_t PlateFloor = FirstFloor; // the floor under every arrow

// The arrow on `from` that pushes the ball on to the neighbouring `to`.
int16_t arrowTowards(QPoint from, QPoint to);

// Lays about the arrows the request asks on the maze before its goal is
// chosen; `v` is the maze's verdict and is kept up to date.
void placeArrows(Search& search, Verdict& v);

} // namespace orvane::generate
