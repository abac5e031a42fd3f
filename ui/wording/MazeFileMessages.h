#pragma once

#include "MazeFileError.h"

#include <QString>

namespace orvane {

// The message for a maze file that could not be read or written, in the
// words of both programs: first what it means to the user (the file cannot
// be loaded, is not a maze file or is damaged, cannot be saved), then on a
// line of its own what is wrong, in plain words.
QString mazeFileMessage(const MazeFileError& error);

// What is wrong with the file at `path`, the message's second line alone:
// for a file of another kind too.
QString fileProblemText(const MazeFileProblem& problem, const QString& path);

} // namespace orvane
