#include "MazeFile.h"

#include "MazeCodec.h"
#include "MazeState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orvane::MazeFile {
namespace {

QString readFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("迷路ファイル「%1」を読み込めません。\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString writeFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("迷路ファイル「%1」を保存できません。\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Why a path cannot be read as a maze file, or an empty string.
QString unreadableReason(const QFileInfo& info)
{
    if (!info.exists())
        return QStringLiteral("ファイルが見つかりません。");
    if (info.isDir())
        return QStringLiteral("フォルダーです。迷路ファイルを選んでください。");
    if (!info.isFile())
        return QStringLiteral("通常のファイルではありません。");
    return {};
}

} // namespace

ReadResult read(const QString& path)
{
    ReadResult result;
    const QFileInfo info(path);
    if (QString reason = unreadableReason(info); !reason.isEmpty()) {
        result.error = readFailure(path, reason);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = readFailure(
            path, QStringLiteral("ファイルを開けません (%1)。").arg(file.errorString()));
        return result;
    }
    const QByteArray bytes = file.read(MazeCodec::MaxMeaningfulSize);
    if (file.error() != QFileDevice::NoError) {
        result.error = readFailure(
            path, QStringLiteral("読み取りに失敗しました (%1)。").arg(file.errorString()));
        return result;
    }
    MazeCodec::DecodeResult decoded = MazeCodec::decode(bytes);
    if (!decoded.maze) {
        result.error = readFailure(path, decoded.error);
        return result;
    }
    result.maze = std::move(decoded.maze);
    return result;
}

WriteResult write(const QString& path, const MazeHeader& header, const MazeGrid& grid)
{
    WriteResult result;
    const MazeCodec::EncodeResult encoded = MazeCodec::encode(header, grid);
    if (!encoded.error.isEmpty()) {
        result.error = writeFailure(path, encoded.error);
        return result;
    }
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir()) {
        result.error = writeFailure(path, QStringLiteral("保存先のフォルダー「%1」がありません。")
                                              .arg(QDir::toNativeSeparators(folder.filePath())));
        return result;
    }
    if (info.isDir()) {
        result.error = writeFailure(path, QStringLiteral("同じ名前のフォルダーがあります。"));
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = writeFailure(
            path, QStringLiteral("ファイルを作れません (%1)。").arg(file.errorString()));
        return result;
    }
    if (file.write(encoded.bytes) != encoded.bytes.size() || !file.commit()) {
        result.error = writeFailure(
            path, QStringLiteral("書き込みに失敗しました (%1)。").arg(file.errorString()));
        file.cancelWriting();
        return result;
    }
    return result;
}

void replaceMaze(MazeState& maze, MazeData&& data)
{
    maze.header = std::move(data.header);
    maze.grid = data.grid;
}

QString load(const QString& path, MazeState& maze)
{
    ReadResult result = read(path);
    if (!result.ok())
        return result.error;
    replaceMaze(maze, std::move(*result.maze));
    return {};
}

QString save(const QString& path, const MazeState& maze)
{
    return write(path, maze.header, maze.grid).error;
}

} // namespace orvane::MazeFile
