#pragma once

#include "MazeData.h"

#include <QString>

#include <memory>

namespace orvane {
struct MazeState;
}

namespace orvane::MazeFile {

// The file dialogs' filter for maze files.
inline const QString Filter = QStringLiteral("迷路ファイル(*.mdt)|*.mdt");

struct ReadResult {
    std::unique_ptr<MazeData> maze; // null when refused
    QString error;                  // names the file and the reason
    bool ok() const { return maze != nullptr; }
};

// Reads a maze file without changing anything: a file is never created and
// never opened for writing.
ReadResult read(const QString& path);

struct WriteResult {
    QString error; // names the file and the reason; empty on success
    bool ok() const { return error.isEmpty(); }
};

// Writes header and grid, replacing the file whole and atomically; on failure
// an existing file stays as it was.
WriteResult write(const QString& path, const MazeHeader& header, const MazeGrid& grid);

// Puts a maze that was read into the model: the header and the whole grid.
void replaceMaze(MazeState& maze, MazeData&& data);

// Reads a maze file into the model, header and whole grid; a refused file
// leaves the model exactly as it was. Returns the error, empty on success.
QString load(const QString& path, MazeState& maze);

// Writes the model's header and grid.
QString save(const QString& path, const MazeState& maze);

} // namespace orvane::MazeFile
