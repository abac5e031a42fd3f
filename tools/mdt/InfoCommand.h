#pragma once

#include <QStringList>

class QCommandLineParser;

namespace orvane {

// `orvane-mdt info [--json] FILE`: the header and what the map holds.
// Returns the exit status.
int runInfo(const QCommandLineParser& parser, const QStringList& args);

} // namespace orvane
