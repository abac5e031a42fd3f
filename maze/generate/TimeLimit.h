#pragma once
// The time limit a generated maze gets from its request's slack.

#include <cstdint>
#include <optional>

namespace orvane::generate {

// The slack times the route's time at the usual pace, rounded up to whole
// seconds; NoTimeLimit when there is no slack.
int16_t timeLimitFor(std::optional<double> slack, int keys);

} // namespace orvane::generate
