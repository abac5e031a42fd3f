#pragma once

#include "MazeData.h"
#include "MazeFileError.h"

#include <QByteArrayView>
#include <QString>

#include <memory>

namespace orvane {
struct MazeState;
}

namespace orvane::MazeFile {

struct ReadResult {
    std::unique_ptr<MazeData> maze; // null when refused
    MazeFileError error;            // the file and the reason
    bool ok() const { return maze != nullptr; }
};

// Reads a maze file without changing anything: a file is never created and
// never opened for writing.
ReadResult read(const QString& path);

struct WriteResult {
    MazeFileError error; // the file and the reason; none on success
    bool ok() const { return !error; }
};

// Writes header and grid, replacing the file whole (replaceFileContents):
// on failure an existing file stays as it was (or, where that could not be
// made sure of, MayBeDamaged names the copy of its old contents), and keeps
// its owner and mode either way.
WriteResult write(const QString& path, const MazeHeader& header, const MazeGrid& grid);

// Puts a maze that was read into the model: the header and the whole grid.
void replaceMaze(MazeState& maze, MazeData&& data);

// Decodes a whole file's bytes into the model, header and whole grid; refused
// bytes leave the model exactly as it was.
MazeFileProblem loadBytes(QByteArrayView bytes, MazeState& maze);

// Reads a maze file into the model as loadBytes does. Returns the error, if any.
MazeFileError load(const QString& path, MazeState& maze);

// Writes the model's header and grid.
MazeFileError save(const QString& path, const MazeState& maze);

} // namespace orvane::MazeFile
