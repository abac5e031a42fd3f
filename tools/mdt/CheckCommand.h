#pragma once

namespace orvane {

struct Arguments;

// `orvane-mdt check [--json] [--keys-per-second N] FILE`: ExitSuccess when
// the maze can be solved, ExitAnswerNo when not or when its start or goal is
// invalid.
int runCheck(const Arguments& args);

} // namespace orvane
