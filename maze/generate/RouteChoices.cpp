#include "RouteChoices.h"

#include "play/Forks.h"

#include <algorithm>

namespace orvane::generate {
namespace {

constexpr int None = -1;

} // namespace

std::vector<double> routeChoices(const MazeAnalysis& a)
{
    const size_t count = a.reachable.size();
    // The search tree: each cell under the first cell a key found it from.
    std::vector<int> parent(count, None);
    std::vector<std::vector<int>> children(count);
    for (size_t from = 0; from < count; ++from)
        for (int to : a.keyTargets[from])
            if (to != EndsGame && to != 0 && size_t(to) != from && parent[size_t(to)] == None) {
                parent[size_t(to)] = int(from);
                children[from].push_back(to);
            }
    // Found in order, so every cell comes after its parent.
    std::vector<int> behind(count, 1);
    for (size_t c = count; c-- > 1;)
        if (parent[c] != None)
            behind[size_t(parent[c])] += behind[c];

    std::vector<double> choices(count, 0);
    for (size_t at = 0; at < count; ++at) {
        std::array<int, RouteKeyCount> ways{};
        int wayCount = 0;
        for (int to : a.keyTargets[at])
            if (to != EndsGame && size_t(to) != at && to != parent[at] &&
                std::find(ways.begin(), ways.begin() + wayCount, to) == ways.begin() + wayCount)
                ways[size_t(wayCount++)] = to;
        double all = 0;
        for (int child : children[at])
            all += wrongWayWeight(behind[size_t(child)]);
        for (int child : children[at])
            choices[size_t(child)] =
                choices[at] + (wayCount >= 2 ? all - wrongWayWeight(behind[size_t(child)]) : 0);
    }
    return choices;
}

} // namespace orvane::generate
