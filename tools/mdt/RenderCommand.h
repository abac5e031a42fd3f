#pragma once

#include <QStringList>

class QCommandLineParser;

namespace orvane {

// `orvane-mdt render [--scale N] [--route] FILE OUT.png`: the map as the
// player draws it, enlarged N times, with the shortest route and the traps
// drawn over it on request. Returns the exit status.
int runRender(const QCommandLineParser& parser, const QStringList& args);

} // namespace orvane
