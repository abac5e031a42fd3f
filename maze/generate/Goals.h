#pragma once
// Where the goal goes once the carving and its arrows are laid: cells at the
// distance the keys ask, or a search over the choices on the way for the
// grade asked.
// Each goal tried gets its time limit and traps and is judged whole.

namespace orvane {
struct MazeState;
}

namespace orvane::generate {

struct Search;
struct Verdict;

// Tries goals on `base`, the maze with its start and arrows, whose verdict
// is `v`, until one meets the request and is kept as the search's result
// or the tries or the budget run out. The maze is left as the last try.
void tryGoals(Search& search, const Verdict& v, const MazeState& base);

// Finishes the search's nearest try, unless it is finished, as a met maze
// is: its goal kept, its traps closed while analyses are left, graded, its
// time limit set; it is judged again and dropped when it cannot be solved
// or saved. The closest measures become its own.
void finishNearest(Search& search);

} // namespace orvane::generate
