#pragma once

#include "MazeText.h"

#include <QString>

namespace orvane {

// Why a maze text was refused, with its line, in the words of both programs.
QString textProblemText(const MazeText::Problem& problem);

} // namespace orvane
