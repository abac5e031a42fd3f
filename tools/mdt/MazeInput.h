#pragma once

#include "MazeFile.h"

namespace orvane {

// Reads the maze file an operand names, as MazeFile::read does, except that
// "-" is standard input and a FIFO or a device (/dev/stdin, a process
// substitution) is read as the stream it is. Nothing past the bytes a maze
// file can use is read.
MazeFile::ReadResult readMaze(const QString& operand);

// As readMaze, into the model; a refused file leaves it as it was.
MazeFileError loadMaze(const QString& operand, MazeState& maze);

} // namespace orvane
