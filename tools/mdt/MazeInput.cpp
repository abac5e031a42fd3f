#include "MazeInput.h"

#include "MazeCodec.h"
#include "Output.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace orvane {
namespace {

using Kind = MazeFileProblem::Kind;

bool isStream(const QString& operand)
{
    const QFileInfo info(operand);
    return operand == StandardStream || (info.exists() && !info.isFile() && !info.isDir());
}

MazeFile::ReadResult readStream(const QString& operand)
{
    const bool standardInput = operand == StandardStream;
    MazeFile::ReadResult result;
    result.error.path = standardInput ? QStringLiteral("standard input") : operand;
    auto refuse = [&](Kind kind, const QString& detail = {}) {
        result.error.problem.kind = kind;
        result.error.problem.detail = detail;
        return std::move(result);
    };
    QFile file(operand);
    if (!(standardInput ? file.open(STDIN_FILENO, QIODevice::ReadOnly)
                        : file.open(QIODevice::ReadOnly)))
        return refuse(Kind::OpenFailed, file.errorString());
    QByteArray bytes;
    while (bytes.size() < MazeCodec::MaxMeaningfulSize) {
        const QByteArray chunk = file.read(MazeCodec::MaxMeaningfulSize - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        return refuse(Kind::ReadFailed, file.errorString());
    MazeCodec::DecodeResult decoded = MazeCodec::decode(bytes);
    if (!decoded.maze) {
        result.error.problem = std::move(decoded.problem);
        return result;
    }
    result.maze = std::move(decoded.maze);
    return result;
}

} // namespace

MazeFile::ReadResult readMaze(const QString& operand)
{
    return isStream(operand) ? readStream(operand) : MazeFile::read(operand);
}

MazeFileError loadMaze(const QString& operand, MazeState& maze)
{
    MazeFile::ReadResult read = readMaze(operand);
    if (!read.ok())
        return std::move(read.error);
    MazeFile::replaceMaze(maze, std::move(*read.maze));
    return {};
}

} // namespace orvane
