#pragma once

#include "MazeFileError.h"

#include <QString>

namespace orvane {

// The tool's one-line message for a maze file it could not read or write:
// the windows' words (mazeFileMessage) on one line.
QString problemText(const MazeFileError& error);

} // namespace orvane
