#include "LevelDetail.h"

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeFile.h"
#include "MazeState.h"
#include "Records.h"
#include "play/Analysis.h"
#include "play/Difficulty.h"

#include <memory>

namespace orvane {

QImage mazeThumbnail(MazeState& maze, int size)
{
    const ChipSheet& chips = ChipSheet::standard();
    if (chips.isNull())
        return {};
    ImageCanvas canvas(chips);
    RedrawMap(maze, canvas, maze.header.MapWidth, maze.header.MapHeight);
    const QImage& picture = canvas.image();
    const QSize fitted = picture.size().scaled(size, size, Qt::KeepAspectRatio).expandedTo({1, 1});
    const Qt::TransformationMode mode =
        fitted.width() < picture.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
    return picture.scaled(fitted, Qt::IgnoreAspectRatio, mode);
}

LevelDetail makeLevelDetail(LevelDetail::Kind kind, const QString& file, const QByteArray& asked,
                            int thumbnailSize)
{
    LevelDetail detail;
    detail.kind = kind;
    detail.file = file;
    detail.asked = asked;
    MazeFile::ReadResult read = MazeFile::read(file);
    if (!read.ok())
        return detail;
    const auto maze = std::make_unique<MazeState>();
    MazeFile::replaceMaze(*maze, std::move(*read.maze));
    // As the row's key: the maze as played, after the redraw's walls.
    WallUnsetChips(maze->grid, maze->header.MapWidth, maze->header.MapHeight);
    detail.found = recordKey(maze->header, maze->grid);
    if (detail.found != asked)
        return detail;
    if (kind == LevelDetail::Kind::Thumbnail)
        detail.thumbnail = mazeThumbnail(*maze, thumbnailSize);
    else
        detail.grade = measureDifficulty(*maze, analyseMaze(*maze)).grade;
    return detail;
}

} // namespace orvane
