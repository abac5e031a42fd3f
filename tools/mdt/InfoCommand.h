#pragma once

namespace orvane {

struct Arguments;

// `orvane-mdt info [--json] FILE`: the header and what the map holds.
// Returns the exit status.
int runInfo(const Arguments& args);

} // namespace orvane
