#pragma once

#include <QString>

namespace orvane {

// The folder of the sample pack, the sample mazes with their tunes: the one
// installed with the program or, for a program run from the build tree, the
// one built there. Empty when there is neither.
QString samplePackFolder();

} // namespace orvane
