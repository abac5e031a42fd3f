#pragma once

#include "MazeConstants.h"
#include "MazeFileError.h"
#include "RecordsCodec.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

namespace orvane {

// What tells a file changed: a file saved whole and renamed over it has
// another inode; one written in place another size or time.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modified = 0; // nanoseconds
    qint64 changed = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
FileStamp stampOf(const QString& file);

// One maze file of a level list: what is read of it at once, the player's
// bests, and what is made of it in the background.
struct LevelRow {
    QString file;  // the path
    QString name;  // the file's name without .mdt
    QString title; // the maze's title as text
    int16_t timeLimit = NoTimeLimit;
    QByteArray key;      // the records' key of the maze as it is played; empty when unreadable
    MazeFileError error; // why the file cannot be read, if it cannot
    FileStamp stamp;     // the file as it was read, to tell a change

    std::optional<MazeRecord> best;

    bool thumbnailMade = false;
    QImage thumbnail;
    bool gradeMade = false;
    std::optional<int> grade; // none for a maze that cannot be solved

    bool readable() const { return !error; }
    bool solved() const { return best.has_value(); }
};

// Reads the row of a maze file: its name, title, limit and records' key.
LevelRow readLevelRow(const QString& file);
// Whether the file is no longer the one the row was read from.
bool fileChanged(const LevelRow& row);

} // namespace orvane
