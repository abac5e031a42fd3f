#include "Traps.h"

#include "Arrows.h"
#include "Search.h"

#include <utility>
#include <vector>

namespace orvane::generate {

void placeTraps(Search& s, Verdict& v)
{
    if (s.request.traps == 0)
        return;
    std::vector<bool> onRoute(size_t(GridCellCount), false);
    for (QPoint c : v.analysis.routeCells)
        onRoute[size_t(MazeGrid::index(c.x(), c.y()))] = true;
    std::vector<int> keysTo(size_t(GridCellCount), -1);
    for (size_t i = 0; i < v.analysis.reachable.size(); ++i)
        keysTo[size_t(MazeGrid::index(v.analysis.reachable[i].x(), v.analysis.reachable[i].y()))] =
            v.analysis.keysTo[i];
    auto index = [](QPoint c) { return size_t(MazeGrid::index(c.x(), c.y())); };
    auto free = [&](QPoint c) { return !onRoute[index(c)] && s.at(c).Item == NoItem; };
    std::vector<std::pair<QPoint, QPoint>> pockets; // (arrow cell, the cell it pushes to)
    std::vector<std::pair<QPoint, QPoint>> branches;
    for (int room = 0; room < s.lattice.rooms(); ++room) {
        const QPoint end = s.lattice.cellOf(room);
        const std::vector<QPoint> ways = s.floorWays(end);
        if (ways.size() == 1 && free(end) && free(ways[0]))
            pockets.emplace_back(ways[0], end);
        for (const QPoint link : ways) {
            const std::vector<QPoint> sides = s.floorWays(link);
            if (ways.size() > 1 && sides.size() == 2 && free(link) && free(end) &&
                keysTo[index(end)] > keysTo[index(link)] && keysTo[index(link)] >= 0)
                branches.emplace_back(link, end);
        }
    }
    s.random.shuffle(pockets);
    s.random.shuffle(branches);
    pockets.insert(pockets.end(), branches.begin(), branches.end());
    for (const auto& [cell, end] : pockets) {
        if (int(v.analysis.traps.size()) >= s.request.traps || !s.roomForGoal())
            break; // one analysis stays for the maze as it is kept
        if (s.at(cell).Item != NoItem)
            continue;
        const MazeCell old = s.at(cell);
        s.at(cell) = {PlateFloor, arrowTowards(cell, end)};
        Verdict w = s.judge();
        if (w.analysis.solvable && w.analysis.cycles.empty() &&
            w.analysis.traps.size() > v.analysis.traps.size() &&
            int(w.analysis.traps.size()) <= s.request.traps) {
            ++s.trapArrows;
            v = std::move(w);
        } else {
            s.at(cell) = old;
        }
    }
}

} // namespace orvane::generate
