#include "Start.h"

#include "Carving.h"
#include "Search.h"

#include <algorithm>
#include <vector>

namespace orvane::generate {
namespace {

constexpr int MaxStartTries = 24;
constexpr int LinkKeys = 2; // keys from a room to the next: the link and the room

// The links along the carving from `room` to every room.
std::vector<int> linksFrom(const Search& s, int room)
{
    const Lattice& lattice = s.lattice;
    std::vector<std::vector<int>> links(size_t(lattice.rooms()));
    for (int r = 0; r < lattice.rooms(); ++r)
        if (const int p = s.tree.parent[size_t(r)]; p >= 0) {
            links[size_t(r)].push_back(p);
            links[size_t(p)].push_back(r);
        }
    std::vector<int> distance(size_t(lattice.rooms()), -1);
    std::vector<int> queue{room};
    distance[size_t(room)] = 0;
    for (size_t i = 0; i < queue.size(); ++i)
        for (int next : links[size_t(queue[i])])
            if (distance[size_t(next)] < 0) {
                distance[size_t(next)] = distance[size_t(queue[i])] + 1;
                queue.push_back(next);
            }
    return distance;
}

} // namespace

int chooseStart(Search& s)
{
    const Lattice& lattice = s.lattice;
    const std::vector<int> fromAny = linksFrom(s, s.random.below(lattice.rooms()));
    const int far = int(std::max_element(fromAny.begin(), fromAny.end()) - fromAny.begin());
    if (!s.request.aimsAtKeys())
        return far;
    auto meets = [&](int links) { return keysMeet(LinkKeys * links, s.request.keys); };
    std::vector<int> deadEnds;
    for (int r = 0; r < lattice.rooms(); ++r)
        if (s.floorWays(lattice.cellOf(r)).size() == 1)
            deadEnds.push_back(r);
    s.random.shuffle(deadEnds);
    deadEnds.insert(deadEnds.begin(), far);
    for (size_t i = 0; i < deadEnds.size() && i < size_t(MaxStartTries); ++i) {
        const std::vector<int> links = linksFrom(s, deadEnds[i]);
        for (int end : deadEnds)
            if (end != deadEnds[i] && meets(links[size_t(end)]))
                return deadEnds[i];
    }
    const std::vector<int> links = linksFrom(s, far);
    std::vector<int> goals;
    for (int r = 0; r < lattice.rooms(); ++r)
        if (meets(links[size_t(r)]))
            goals.push_back(r);
    if (!goals.empty())
        makeDeadEnd(*s.maze, lattice, s.tree, s.random.pick(goals), far, s.random);
    return far;
}

} // namespace orvane::generate
