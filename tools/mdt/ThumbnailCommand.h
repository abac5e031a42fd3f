#pragma once

#include <QStringList>

class QCommandLineParser;

namespace orvane {

// `orvane-mdt thumbnail --size N FILE OUT.png`: writes the map as the player
// draws it, scaled to fit N x N pixels. A refused maze or size writes nothing.
// `args` are the positional arguments, the command's name first; returns the
// exit status.
int runThumbnail(const QCommandLineParser& parser, const QStringList& args);

} // namespace orvane
