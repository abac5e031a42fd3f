#include "Carving.h"

#include "MazeState.h"
#include "Random.h"

#include <algorithm>
#include <iterator>

namespace orvane::generate {
namespace {

constexpr int ShareWhole = 8;
// One colour region for this many rooms, within the bounds.
constexpr int RoomsPerRegion = 80;
constexpr int MinRegions = 1;
constexpr int MaxRegions = 5;
constexpr int16_t FrameWall = FirstWall;

// The regions' colours: bright walls over a darker floor of another colour.
struct Colours {
    int16_t wall;
    int16_t floor;
};
constexpr int16_t Grey = 0, Red = 1, Green = 2, Blue = 3, Purple = 4, Gold = 5;
constexpr Colours Schemes[] = {
    {FirstWall + Grey, FirstFloor + Blue},  {FirstWall + Gold, FirstFloor + Purple},
    {FirstWall + Green, FirstFloor + Grey}, {FirstWall + Red, FirstFloor + Grey},
    {FirstWall + Blue, FirstFloor + Grey},  {FirstWall + Purple, FirstFloor + Gold},
};
constexpr int SchemeCount = int(std::size(Schemes));

int squaredDistance(QPoint a, QPoint b)
{
    const QPoint d = a - b;
    return d.x() * d.x() + d.y() * d.y();
}

// The colour regions: each cell takes the scheme of the nearest centre.
struct Regions {
    std::vector<QPoint> centres;
    std::vector<int> scheme;

    const Colours& of(QPoint cell) const
    {
        size_t nearest = 0;
        for (size_t i = 1; i < centres.size(); ++i)
            if (squaredDistance(cell, centres[i]) < squaredDistance(cell, centres[nearest]))
                nearest = i;
        return Schemes[scheme[nearest]];
    }
};

Regions regionsOf(const Lattice& lattice, Random& random)
{
    Regions r;
    const int count = std::clamp(lattice.rooms() / RoomsPerRegion, MinRegions, MaxRegions);
    std::vector<int> schemes(SchemeCount);
    for (int i = 0; i < SchemeCount; ++i)
        schemes[size_t(i)] = i;
    random.shuffle(schemes);
    for (int i = 0; i < count; ++i) {
        r.centres.push_back(lattice.cellOf(random.below(lattice.rooms())));
        r.scheme.push_back(schemes[size_t(i)]);
    }
    return r;
}

} // namespace

Tree carveTree(const Lattice& lattice, Random& random, int newestShare)
{
    Tree tree;
    tree.parent.assign(size_t(lattice.rooms()), -1);
    tree.depth.assign(size_t(lattice.rooms()), -1);
    tree.root = random.below(lattice.rooms());
    tree.depth[size_t(tree.root)] = 0;
    std::vector<int> active{tree.root};
    std::vector<int> open; // unvisited neighbours of one room
    while (!active.empty()) {
        const size_t at = random.chance(newestShare, ShareWhole) ? active.size() - 1
                                                                 : random.below(active.size());
        const int room = active[at];
        open.clear();
        for (int n : lattice.neighbours(room))
            if (tree.depth[size_t(n)] < 0)
                open.push_back(n);
        if (open.empty()) {
            active.erase(active.begin() + std::ptrdiff_t(at));
            continue;
        }
        const int next = random.pick(open);
        tree.parent[size_t(next)] = room;
        tree.depth[size_t(next)] = tree.depth[size_t(room)] + 1;
        active.push_back(next);
    }
    return tree;
}

void layMaze(MazeState& maze, MapSize size, const Lattice& lattice, const Tree& tree,
             Random& random)
{
    maze.header = MazeHeader{};
    maze.header.MapWidth = size.width;
    maze.header.MapHeight = size.height;
    maze.header.TimeLimit = NoTimeLimit;
    maze.grid.clear();
    for (int y = 0; y <= size.height; ++y)
        for (int x = 0; x <= size.width; ++x)
            maze.cell(x, y).Chip = FirstWall; // as a new maze in the editor

    std::vector<bool> floor(size_t(GridCellCount), false);
    auto open = [&](QPoint cell) { floor[size_t(MazeGrid::index(cell.x(), cell.y()))] = true; };
    for (int room = 0; room < lattice.rooms(); ++room) {
        open(lattice.cellOf(room));
        if (const int parent = tree.parent[size_t(room)]; parent >= 0)
            open(lattice.linkOf(room, parent));
    }
    const Regions regions = regionsOf(lattice, random);
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const QPoint cell(x, y);
            const Colours& colours = regions.of(cell);
            maze.cell(x, y).Chip = lattice.inFrame(cell)                  ? FrameWall
                                   : floor[size_t(MazeGrid::index(x, y))] ? colours.floor
                                                                          : colours.wall;
        }
    }
}

namespace {

std::vector<std::vector<int>> adjacency(const Lattice& lattice, const Tree& tree)
{
    std::vector<std::vector<int>> links(size_t(lattice.rooms()));
    for (int r = 0; r < lattice.rooms(); ++r)
        if (const int p = tree.parent[size_t(r)]; p >= 0) {
            links[size_t(r)].push_back(p);
            links[size_t(p)].push_back(r);
        }
    return links;
}

// The rooms found from `from` along the links, never passing `avoid`,
// with the room each was reached from.
std::vector<int> reach(const std::vector<std::vector<int>>& links, int from, int avoid,
                       std::vector<int>& cameFrom)
{
    cameFrom.assign(links.size(), -2);
    cameFrom[size_t(from)] = -1;
    std::vector<int> found{from};
    for (size_t i = 0; i < found.size(); ++i)
        for (int next : links[size_t(found[i])])
            if (next != avoid && cameFrom[size_t(next)] == -2) {
                cameFrom[size_t(next)] = found[i];
                found.push_back(next);
            }
    return found;
}

} // namespace

void makeDeadEnd(MazeState& maze, const Lattice& lattice, Tree& tree, int room, int start,
                 Random& random)
{
    auto links = adjacency(lattice, tree);
    std::vector<int> towardsStart;
    reach(links, start, -1, towardsStart);
    const std::vector<int> beside = links[size_t(room)];
    for (int branch : beside) {
        if (towardsStart[size_t(branch)] != room)
            continue; // the way back to the start
        std::vector<int> unused;
        const std::vector<int> rooms = reach(links, branch, room, unused);
        std::vector<bool> inBranch(size_t(lattice.rooms()), false);
        for (int r : rooms)
            inBranch[size_t(r)] = true;
        std::vector<std::pair<int, int>> walls; // (room in the branch, room outside)
        for (int r : rooms)
            for (int n : lattice.neighbours(r))
                if (!inBranch[size_t(n)] && n != room)
                    walls.emplace_back(r, n);
        if (walls.empty())
            continue;
        const auto [inside, outside] = random.pick(walls);
        const QPoint cut = lattice.linkOf(room, branch);
        const QPoint pillar = cut.x() % 2 == 0 ? cut + QPoint(0, 1) : cut + QPoint(1, 0);
        maze.cell(cut.x(), cut.y()).Chip = maze.cell(pillar.x(), pillar.y()).Chip;
        const QPoint join = lattice.linkOf(inside, outside);
        const QPoint floor = lattice.cellOf(inside);
        maze.cell(join.x(), join.y()).Chip = maze.cell(floor.x(), floor.y()).Chip;
        std::erase(links[size_t(room)], branch);
        std::erase(links[size_t(branch)], room);
        links[size_t(inside)].push_back(outside);
        links[size_t(outside)].push_back(inside);
    }
    // The tree again, from its root.
    std::vector<int> cameFrom;
    const std::vector<int> order = reach(links, tree.root, -1, cameFrom);
    for (int r : order) {
        tree.parent[size_t(r)] = cameFrom[size_t(r)];
        tree.depth[size_t(r)] = r == tree.root ? 0 : tree.depth[size_t(cameFrom[size_t(r)])] + 1;
    }
}

bool isFloor(const MazeState& maze, QPoint cell)
{
    const MazeCell* c = maze.grid.find(cell.x(), cell.y());
    return c && c->Chip >= FirstFloor && c->Chip <= LastFloor;
}

} // namespace orvane::generate
