#pragma once

#include <QImage>
#include <QString>

namespace orvane {

struct MazeState;

// The whole map as the player draws it, MapWidth * 16 x MapHeight * 16
// pixels; a null image when this build lacks the chip sheet.
QImage mapPicture(MazeState& maze);

// Writes a PNG through QSaveFile. A path that exists but is not a regular
// file (a FIFO, a device, a folder) is refused: the save would replace it.
// Returns the error message, empty on success.
QString writePng(const QImage& picture, const QString& path);

} // namespace orvane
