#pragma once

#include <QString>
#include <QTextStream>

namespace orvane {

// The exit statuses of every command.
inline constexpr int ExitSuccess = 0;
// The answer is no: check (not solvable, or the start or goal invalid), replay
// (the run does not reach the goal in time), run (no run kept).
inline constexpr int ExitAnswerNo = 1;
// A usage error, an input that cannot be read or is refused, an output that
// cannot be written.
inline constexpr int ExitError = 2;

// Prints a message on the standard error and returns ExitError.
inline int fail(const QString& message)
{
    QTextStream(stderr) << message << Qt::endl;
    return ExitError;
}

} // namespace orvane
