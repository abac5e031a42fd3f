#pragma once

#include "MazeText.h"

#include <QString>

namespace orvane {

// The reason a maze text was refused, in the tool's words, with its line.
QString textProblemText(const MazeText::Problem& problem);

} // namespace orvane
