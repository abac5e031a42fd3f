#include "Arrows.h"

#include "RequestLimits.h"
#include "Search.h"

#include <utility>
#include <vector>

namespace orvane::generate {
namespace {

// Arrow moves tried: a base, and more for each arrow asked.
constexpr int ArrowTriesPerArrow = 6;
constexpr int ArrowTriesBase = 20;
// A door is opened one time in DoorShare when arrows along loops are waiting.
constexpr int DoorShare = 3;

using Push = std::pair<QPoint, int16_t>; // a cell and its arrow

// Whether arrows keep what the goal will need: every cell can still get
// back to the start (no trap, wherever the goal goes), no cycle, and a
// cell as far as the keys asked.
bool arrowsKeep(const Search& s, const Verdict& v)
{
    return v.analysis.traps.empty() && v.analysis.cycles.empty() &&
           (!s.request.aimsAtKeys() || longestReach(v) >= leastKeys(s.request));
}

// Tries one arrow on a cell; keeps it when the analysis agrees.
bool tryArrow(Search& s, QPoint cell, int16_t item, Verdict& v)
{
    MazeCell& c = s.at(cell);
    const MazeCell old = c;
    c = {PlateFloor, item};
    Verdict w = s.judge();
    if (!arrowsKeep(s, w)) {
        s.at(cell) = old;
        return false;
    }
    v = std::move(w);
    return true;
}

// The straight cells along the carving from room `from` to room `to`, each
// with the arrow that pushes the ball on that way.
std::vector<Push> pushesAlong(const Search& s, int from, int to)
{
    std::vector<QPoint> cells;
    const std::vector<int> rooms = s.tree.path(from, to);
    for (size_t i = 0; i < rooms.size(); ++i) {
        cells.push_back(s.lattice.cellOf(rooms[i]));
        if (i + 1 < rooms.size())
            cells.push_back(s.lattice.linkOf(rooms[i], rooms[i + 1]));
    }
    std::vector<Push> pushes;
    for (size_t i = 1; i + 1 < cells.size(); ++i)
        if (cells[i + 1] - cells[i] == cells[i] - cells[i - 1] && cells[i] != s.start())
            pushes.emplace_back(cells[i], arrowTowards(cells[i], cells[i + 1]));
    return pushes;
}

} // namespace

int16_t arrowTowards(QPoint from, QPoint to)
{
    const QPoint d = to - from;
    return d.y() < 0 ? ArrowUp : d.y() > 0 ? ArrowDown : d.x() < 0 ? ArrowLeft : ArrowRight;
}

void placeArrows(Search& s, Verdict& v)
{
    if (s.request.arrows == 0)
        return;
    const Lattice& lattice = s.lattice;
    std::vector<std::pair<int, int>> doors;
    for (int r = 0; r < lattice.rooms(); ++r)
        for (int n : lattice.neighbours(r))
            if (n > r && s.tree.parent[size_t(r)] != n && s.tree.parent[size_t(n)] != r)
                doors.emplace_back(r, n);
    s.random.shuffle(doors);
    std::vector<Push> pushes;
    int placed = 0;
    const int tries = ArrowTriesBase + ArrowTriesPerArrow * s.request.arrows;
    for (int t = 0; t < tries && placed < s.request.arrows && !s.spent(); ++t) {
        const bool door = !doors.empty() && (pushes.empty() || s.random.chance(1, DoorShare));
        if (door) {
            auto [from, to] = doors.back();
            doors.pop_back();
            if (s.random.chance(1, 2))
                std::swap(from, to);
            const QPoint a = lattice.cellOf(from);
            const QPoint b = lattice.cellOf(to);
            if (tryArrow(s, lattice.linkOf(from, to), arrowTowards(a, b), v)) {
                ++placed;
                auto more = pushesAlong(s, to, from);
                s.random.shuffle(more);
                pushes.insert(pushes.end(), more.begin(), more.end());
            }
        } else if (!pushes.empty()) {
            // Any loop's push, so the arrows spread over the loops.
            std::swap(pushes[s.random.below(pushes.size())], pushes.back());
            const auto [cell, item] = pushes.back();
            pushes.pop_back();
            if (s.at(cell).Item == NoItem && tryArrow(s, cell, item, v))
                ++placed;
        } else {
            break;
        }
    }
}

} // namespace orvane::generate
