#pragma once

#include "play/Analysis.h"

#include <QString>

namespace orvane {

struct Difficulty;
struct MazeState;

// The check on the map in the status bar, for a maze whose start and goal
// are valid: solvable or not, in how many keys and seconds against the time
// limit, the traps the ball can reach and the grade; the tooltip gives the
// grade's measures as `orvane-mdt check` does.
struct CheckStatus {
    QString text;
    QString toolTip;
};
CheckStatus checkStatus(const MazeState& maze, const MazeAnalysis& analysis);

// The grade's measures of a maze that can be solved, line by line as
// `orvane-mdt check` prints them: the check's tooltip.
QString difficultyMeasuresText(const Difficulty& difficulty);
// Its effort's parts in one line: the newcomer's keys and the keys wasted,
// the forks and choices, the dead ends and traps, and the grade.
QString effortPartsText(const Difficulty& difficulty);

} // namespace orvane
