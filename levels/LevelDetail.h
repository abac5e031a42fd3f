#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace orvane {

struct MazeState;

// What is made of a level list's maze off the window's thread: its
// thumbnail, or its grade.
struct LevelDetail {
    enum class Kind { Thumbnail, Grade };
    Kind kind = Kind::Thumbnail;
    QString file;
    QByteArray asked; // the records' key of the maze it was asked of
    QByteArray found; // of the maze the file holds now: empty when it cannot be read
    QImage thumbnail;
    std::optional<int> grade; // none for a maze that cannot be solved
};

// The map as the player draws it, fitted into size x size pixels: shrunk
// smoothly, enlarged without smoothing so that chips stay crisp. Null
// when this build lacks the chip sheet.
QImage mazeThumbnail(MazeState& maze, int size);

// Reads `file` afresh and makes the detail of `kind` of the maze it holds,
// unless that is no longer the maze with the key `asked`. Uses nothing
// shared: safe on any thread.
LevelDetail makeLevelDetail(LevelDetail::Kind kind, const QString& file, const QByteArray& asked,
                            int thumbnailSize);

} // namespace orvane
