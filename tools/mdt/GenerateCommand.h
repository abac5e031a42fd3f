#pragma once

namespace orvane {

struct Arguments;

// `orvane-mdt generate [options] OUT.mdt`: a new maze built to a request.
int runGenerate(const Arguments& args);

} // namespace orvane
