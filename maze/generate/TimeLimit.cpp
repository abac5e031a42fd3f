#include "TimeLimit.h"

#include "MazeConstants.h"
#include "play/Analysis.h"

#include <algorithm>
#include <cmath>

namespace orvane::generate {
namespace {

// A time limit is rounded up, past this much below a whole second.
constexpr double RoundingSlop = 1e-9;

} // namespace

int16_t timeLimitFor(std::optional<double> slack, int keys)
{
    if (!slack)
        return NoTimeLimit;
    const double seconds = *slack * keys / DefaultKeysPerSecond;
    int limit = std::max(1, int(std::ceil(seconds - RoundingSlop)));
    if (limit == NoTimeLimit)
        ++limit; // 1000 would mean no limit at all
    return int16_t(std::min<int>(limit, INT16_MAX));
}

} // namespace orvane::generate
