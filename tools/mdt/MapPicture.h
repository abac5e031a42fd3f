#pragma once

#include <QImage>
#include <QString>

namespace orvane {

struct MazeState;

// The whole map as the player draws it, MapWidth * 16 x MapHeight * 16
// pixels; a null image when this build lacks the chip sheet.
QImage mapPicture(MazeState& maze);

// Writes the picture as a PNG file as writeOutput writes, "-" being
// standard output. Returns the error message, empty on success.
QString writePng(const QImage& picture, const QString& path);

} // namespace orvane
