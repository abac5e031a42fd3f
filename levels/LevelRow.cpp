#include "LevelRow.h"

#include "Cp932.h"
#include "MapRedraw.h"
#include "MazeFile.h"
#include "Records.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace orvane {

FileStamp stampOf(const QString& file)
{
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0)
        return {};
    constexpr qint64 NanosecondsPerSecond = 1'000'000'000;
    return {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * NanosecondsPerSecond + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * NanosecondsPerSecond + st.st_ctim.tv_nsec};
}

LevelRow readLevelRow(const QString& file)
{
    LevelRow row;
    row.file = file;
    const QFileInfo info(file);
    row.name = info.completeBaseName();
    row.stamp = stampOf(file);
    MazeFile::ReadResult read = MazeFile::read(file);
    if (!read.ok()) {
        row.error = std::move(read.error);
        return row;
    }
    MazeData& maze = *read.maze;
    row.title = Cp932::toUnicode(maze.header.Title);
    row.timeLimit = maze.header.TimeLimit;
    // The player records the maze as its redraw left it.
    WallUnsetChips(maze.grid, maze.header.MapWidth, maze.header.MapHeight);
    row.key = recordKey(maze.header, maze.grid);
    return row;
}

bool fileChanged(const LevelRow& row)
{
    return stampOf(row.file) != row.stamp;
}

} // namespace orvane
