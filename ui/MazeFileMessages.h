#pragma once

#include "MazeFileError.h"

#include <QString>

namespace orvane {

// The message for a maze file that could not be read or written: the file
// and the reason, in the program's words.
QString mazeFileMessage(const MazeFileError& error);

} // namespace orvane
