#pragma once
// Trap pockets as moves: an arrow before a dead end that pushes the ball
// in, so it cannot come out; then, while traps are missing, arrows into
// larger branches, away from the start.

namespace orvane::generate {

struct Search;
struct Verdict;

// Closes traps on the maze, once its goal is set, until it holds as many as
// the request asks, each judged and kept only when the maze can still be
// solved; `v` is the maze's verdict and is kept up to date. One analysis is
// always left for the maze as it is kept.
void placeTraps(Search& search, Verdict& v);

} // namespace orvane::generate
