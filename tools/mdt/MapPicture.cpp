#include "MapPicture.h"

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "Output.h"

#include <QBuffer>

namespace orvane {

QImage mapPicture(MazeState& maze)
{
    const ChipSheet& chips = ChipSheet::standard();
    if (chips.isNull())
        return {};
    ImageCanvas canvas(chips);
    RedrawMap(maze, canvas, maze.header.MapWidth, maze.header.MapHeight);
    return canvas.image();
}

QString writePng(const QImage& picture, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return QStringLiteral("orvane-mdt: cannot encode the %1 x %2 picture as PNG")
            .arg(picture.width())
            .arg(picture.height());
    return writeOutput(png, path);
}

} // namespace orvane
