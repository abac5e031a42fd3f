#include "Forks.h"

#include "Incoming.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace orvane {
namespace {

constexpr int None = -1;

} // namespace

double wrongWayWeight(int cellsBehind)
{
    return std::log2(1.0 + cellsBehind);
}

Forks::Forks(const MazeAnalysis& a, const Incoming& incoming)
    : a_(a), end_(int(a.reachable.size())), entry_(a.reachable.size() + 1, None),
      size_(a.reachable.size() + 1, 0), trapCells_(a.reachable.size(), None),
      stamp_(a.reachable.size(), 0)
{
    const int nodes = end_ + 1;
    // The reversed graph: from a node to the cells whose keys lead to it.
    auto before = [&](int node) -> std::span<const int> {
        if (node == end_)
            return incoming.ends;
        return std::span(incoming.into)
            .subspan(size_t(incoming.first[size_t(node)]),
                     size_t(incoming.first[size_t(node) + 1] - incoming.first[size_t(node)]));
    };
    // Its postorder from the end, by a depth-first search.
    std::vector<int> number(size_t(nodes), None);
    std::vector<int> postorder;
    std::vector<std::pair<int, size_t>> stack{{end_, 0}};
    number[size_t(end_)] = 0; // marks the node found; numbered when left
    while (!stack.empty()) {
        auto& [node, next] = stack.back();
        const std::span<const int> moves = before(node);
        if (next == moves.size()) {
            number[size_t(node)] = int(postorder.size());
            postorder.push_back(node);
            stack.pop_back();
            continue;
        }
        const int from = moves[next++] / RouteKeyCount;
        if (number[size_t(from)] == None) {
            number[size_t(from)] = 0;
            stack.emplace_back(from, 0);
        }
    }

    // The dominators of the reversed graph, in reverse postorder until none
    // changes, all by postorder number: a node's dominator has a higher one.
    const int root = int(postorder.size()) - 1;
    std::vector<std::array<int, RouteKeyCount>> after(postorder.size()); // the keys' targets
    for (int n = 0; n < root; ++n) {
        const int cell = postorder[size_t(n)];
        for (int k = 0; k < RouteKeyCount; ++k) {
            const int to = a.keyTargets[size_t(cell)][size_t(k)];
            after[size_t(n)][size_t(k)] = to == EndsGame ? root
                                          : to == cell   ? None
                                                         : number[size_t(to)];
        }
    }
    std::vector<int> dominator(postorder.size(), None);
    dominator[size_t(root)] = root;
    auto meet = [&](int x, int y) {
        while (x != y) {
            while (x < y)
                x = dominator[size_t(x)];
            while (y < x)
                y = dominator[size_t(y)];
        }
        return x;
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (int n = root - 1; n >= 0; --n) {
            int found = None;
            for (int to : after[size_t(n)])
                if (to != None && dominator[size_t(to)] != None)
                    found = found == None ? to : meet(found, to);
            if (dominator[size_t(n)] != found) {
                dominator[size_t(n)] = found;
                changed = true;
            }
        }
    }

    // The tree's preorder: every subtree a run of entry numbers.
    std::vector<int> first(postorder.size() + 1, 0);
    for (int n = 0; n < root; ++n)
        ++first[size_t(dominator[size_t(n)]) + 1];
    for (size_t n = 1; n < first.size(); ++n)
        first[n] += first[n - 1];
    std::vector<int> children(size_t(first.back()));
    std::vector<int> filled(first.begin(), first.end() - 1);
    for (int n = 0; n < root; ++n)
        children[size_t(filled[size_t(dominator[size_t(n)])]++)] = n;
    std::vector<int> preorder;
    std::vector<int> open{root};
    while (!open.empty()) {
        const int n = open.back();
        open.pop_back();
        entry_[size_t(postorder[size_t(n)])] = int(preorder.size());
        preorder.push_back(n);
        open.insert(open.end(), children.begin() + first[size_t(n)],
                    children.begin() + first[size_t(n) + 1]);
    }
    for (auto n = preorder.rbegin(); n != preorder.rend(); ++n) {
        size_[size_t(postorder[size_t(*n)])] += 1;
        if (*n != root)
            size_[size_t(postorder[size_t(dominator[size_t(*n)])])] +=
                size_[size_t(postorder[size_t(*n)])];
    }
}

bool Forks::postDominates(int fork, int cell) const
{
    const int f = entry_[size_t(fork)];
    const int c = entry_[size_t(cell)];
    return f != None && c != None && f <= c && c < f + size_[size_t(fork)];
}

ForkChoice Forks::at(int cell, int from)
{
    if (entry_[size_t(cell)] == None)
        return {}; // in a trap every way is wrong: no choice
    std::array<int, RouteKeyCount> ways{};
    int count = 0;
    for (int to : a_.keyTargets[size_t(cell)])
        if (to != cell && to != from &&
            std::find(ways.begin(), ways.begin() + count, to) == ways.begin() + count)
            ways[size_t(count++)] = to;
    ForkChoice choice;
    if (count < 2)
        return choice;
    for (int i = 0; i < count; ++i) {
        const int way = ways[size_t(i)];
        if (way == EndsGame)
            continue;
        const bool wrong = entry_[size_t(way)] == None || postDominates(cell, way);
        if (!wrong)
            continue;
        ++choice.wrongWays;
        choice.weight += wrongWayWeight(cellsBehind(way));
    }
    return choice;
}

int Forks::cellsBehind(int way)
{
    return entry_[size_t(way)] != None ? size_[size_t(way)] : trapCellsFrom(way);
}

int Forks::trapCellsFrom(int way)
{
    int& counted = trapCells_[size_t(way)];
    if (counted != None)
        return counted;
    ++search_;
    queue_.assign(1, way);
    stamp_[size_t(way)] = search_;
    for (size_t q = 0; q < queue_.size() && int(queue_.size()) < TrapCellsCounted; ++q)
        for (int to : a_.keyTargets[size_t(queue_[q])])
            if (to != EndsGame && stamp_[size_t(to)] != search_) {
                stamp_[size_t(to)] = search_;
                queue_.push_back(to);
            }
    counted = std::min<int>(int(queue_.size()), TrapCellsCounted);
    return counted;
}

} // namespace orvane
