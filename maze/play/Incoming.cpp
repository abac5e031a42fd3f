#include "Incoming.h"

namespace orvane {

Incoming::Incoming(const MazeAnalysis& a) : first(a.reachable.size() + 1, 0)
{
    const auto& targets = a.keyTargets;
    for (const auto& keys : targets)
        for (int to : keys)
            if (to != EndsGame)
                ++first[size_t(to) + 1];
    for (size_t c = 1; c < first.size(); ++c)
        first[c] += first[c - 1];
    into.resize(size_t(first.back()));
    std::vector<int> filled(first.begin(), first.end() - 1);
    for (size_t from = 0; from < targets.size(); ++from)
        for (int k = 0; k < RouteKeyCount; ++k) {
            const int move = int(from) * RouteKeyCount + k;
            if (const int to = targets[from][size_t(k)]; to == EndsGame)
                ends.push_back(move);
            else
                into[size_t(filled[size_t(to)]++)] = move;
        }
}

} // namespace orvane
