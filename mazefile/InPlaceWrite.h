#pragma once

#include "FileCalls.h"

namespace orvane {

// Rewrites the existing regular file at path to hold bytes, in place: for a
// folder that takes no new file. Before the first byte is overwritten its old
// contents are kept in a recovery copy (RecoveryCopy.h); no copy, no save.
// The whole size is reserved first, so a full disk refuses the save at once.
// When a step fails the old bytes are put back and the copy removed; when they
// cannot be put back the copy stays and the problem is MayBeDamaged.
MazeFileProblem rewriteInPlace(const QString& path, QByteArrayView bytes, const FileCalls& calls);

} // namespace orvane
