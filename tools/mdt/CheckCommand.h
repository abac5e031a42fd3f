#pragma once

#include <QStringList>

class QCommandLineParser;

namespace orvane {

// Exit statuses of `orvane-mdt check`.
inline constexpr int CheckSolvable = 0;
inline constexpr int CheckNotSolvable = 1; // or the start or goal is invalid
inline constexpr int CheckRefused = 2;     // the file could not be read

// `orvane-mdt check [--json] [--keys-per-second N] FILE`.
int runCheck(const QCommandLineParser& parser, const QStringList& args);

} // namespace orvane
