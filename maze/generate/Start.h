#pragma once
// Where the ball starts on a fresh carving.

namespace orvane::generate {

struct Search;

// The room the start goes in: an end of a long way through the carving, or,
// for a route of some keys, a dead end with another dead end that far from
// it, so the goal can be a dead end too and cut no cell off behind it. When
// there is no such pair, a room that far is made a dead end.
int chooseStart(Search& search);

} // namespace orvane::generate
