#include "MazeFile.h"

#include "FileReplace.h"
#include "MazeCodec.h"
#include "MazeState.h"

#include <QFile>
#include <QFileInfo>

namespace orvane::MazeFile {
namespace {

using Kind = MazeFileProblem::Kind;

MazeFileProblem problem(Kind kind, const QString& detail = {})
{
    MazeFileProblem p;
    p.kind = kind;
    p.detail = detail;
    return p;
}

MazeFileError readError(const QString& path, MazeFileProblem problem)
{
    return {MazeFileError::Operation::Read, path, std::move(problem)};
}

MazeFileError writeError(const QString& path, MazeFileProblem problem)
{
    return {MazeFileError::Operation::Write, path, std::move(problem)};
}

// Why a path cannot be read as a maze file, if it cannot.
MazeFileProblem unreadable(const QFileInfo& info)
{
    if (!info.exists())
        return problem(Kind::NotFound);
    if (info.isDir())
        return problem(Kind::IsFolder);
    if (!info.isFile())
        return problem(Kind::NotRegularFile);
    return {};
}

struct FileBytes {
    QByteArray bytes;
    MazeFileProblem problem;
};

// The meaningful bytes of a maze file; never opens anything but a regular file.
FileBytes readFileBytes(const QString& path)
{
    FileBytes result;
    if ((result.problem = unreadable(QFileInfo(path))))
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = problem(Kind::OpenFailed, file.errorString());
        return result;
    }
    result.bytes = file.read(MazeCodec::MaxMeaningfulSize);
    if (file.error() != QFileDevice::NoError)
        result.problem = problem(Kind::ReadFailed, file.errorString());
    return result;
}

} // namespace

ReadResult read(const QString& path)
{
    ReadResult result;
    FileBytes file = readFileBytes(path);
    if (file.problem) {
        result.error = readError(path, std::move(file.problem));
        return result;
    }
    MazeCodec::DecodeResult decoded = MazeCodec::decode(file.bytes);
    if (!decoded.maze) {
        result.error = readError(path, std::move(decoded.problem));
        return result;
    }
    result.maze = std::move(decoded.maze);
    return result;
}

WriteResult write(const QString& path, const MazeHeader& header, const MazeGrid& grid)
{
    WriteResult result;
    MazeCodec::EncodeResult encoded = MazeCodec::encode(header, grid);
    if (encoded.problem) {
        result.error = writeError(path, std::move(encoded.problem));
        return result;
    }
    if (MazeFileProblem p = replaceFileContents(path, encoded.bytes))
        result.error = writeError(path, std::move(p));
    return result;
}

void replaceMaze(MazeState& maze, MazeData&& data)
{
    maze.header = std::move(data.header);
    maze.grid = data.grid;
}

MazeFileProblem loadBytes(QByteArrayView bytes, MazeState& maze)
{
    MazeCodec::DecodeResult decoded = MazeCodec::decode(bytes);
    if (!decoded.maze)
        return decoded.problem;
    replaceMaze(maze, std::move(*decoded.maze));
    return {};
}

MazeFileError load(const QString& path, MazeState& maze)
{
    FileBytes file = readFileBytes(path);
    if (!file.problem)
        file.problem = loadBytes(file.bytes, maze);
    if (file.problem)
        return readError(path, std::move(file.problem));
    return {};
}

MazeFileError save(const QString& path, const MazeState& maze)
{
    return write(path, maze.header, maze.grid).error;
}

} // namespace orvane::MazeFile
