#pragma once

#include <QString>

namespace orvane {

// The maze file after `path` in its folder: the next `.mdt` file in name
// order (letter case aside), or empty when `path` is the last.
QString nextMazeFile(const QString& path);

} // namespace orvane
