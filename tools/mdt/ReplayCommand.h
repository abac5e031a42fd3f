#pragma once

namespace orvane {

struct Arguments;

// `orvane-mdt replay [--json] MAZE RUN.txt`: plays a run's text on a maze by
// the player's rules; ExitSuccess when it reaches the goal in time,
// ExitAnswerNo when not.
int runReplay(const Arguments& args);

// `orvane-mdt run [--best time|keys] [--records FILE] MAZE [OUT.txt]`: the
// text of the run a records file keeps with a maze's best; ExitAnswerNo
// when none is kept.
int runBestRun(const Arguments& args);

} // namespace orvane
