#include "MapPicture.h"

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

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
    if (const QFileInfo info(path); info.exists() && !info.isFile())
        return QStringLiteral("orvane-mdt: %1 is not a regular file").arg(path);
    QSaveFile file(path);
    QImageWriter writer(&file, "png");
    if (file.open(QIODevice::WriteOnly) && writer.write(picture) && file.commit())
        return {};
    return QStringLiteral("orvane-mdt: cannot write %1: %2")
        .arg(path, writer.error() != QImageWriter::UnknownError ? writer.errorString()
                                                                : file.errorString());
}

} // namespace orvane
