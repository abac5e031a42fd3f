#pragma once
// The player's bests, per maze: the least time used and, apart from it, the
// fewest keys pressed, each with when it was set. Kept in one JSON file
// (records.json in the user's data folder), read whole and written whole.

#include "MazeFileError.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <map>
#include <optional>

namespace orvane {

class MazeGrid;
struct MazeHeader;

// The key of a maze's records: the SHA-256 (lowercase hex) of the bytes its
// file holds, the music path left out, so that moving the music keeps the
// records. Empty for a maze no file can hold.
QByteArray recordKey(const MazeHeader& header, const MazeGrid& grid);

struct Best {
    int value = 0; // seconds used, or keys pressed
    QDateTime date;
    friend bool operator==(const Best&, const Best&) = default;
};

struct MazeRecord {
    Best time;
    Best keys;
    QDateTime played; // the last game recorded
    friend bool operator==(const MazeRecord&, const MazeRecord&) = default;
};

// Which bests a game set.
struct NewBests {
    bool time = false;
    bool keys = false;
};

class Records {
public:
    // Bounds: a file past MaxFileSize bytes is not read; past MaxEntries
    // mazes the one played longest ago is dropped; a value (seconds, keys)
    // lies in 0..MaxValue.
    static constexpr qsizetype MaxFileSize = qsizetype(1) << 20;
    static constexpr int MaxEntries = 2000;
    static constexpr int MaxValue = 999'999'999;

    // What loading found. A damaged file is moved aside, beside itself with
    // a suffix such as ".damaged-20260101-093000", and the records start
    // empty; a file that cannot be read (or moved aside) is left as it is,
    // and save() refuses to write over it (ReadFailed).
    struct Load {
        enum class Problem {
            None,       // read, or no file yet
            ReadFailed, // systemError: the system's reason
            NotAFile,   // a folder or a device has the file's name
            TooLarge,   // over MaxFileSize bytes
            NotJson,    // not a JSON object
            NotRecords, // another format, or another version of it
            BadEntry,   // a maze's entry with a wrong type or a value out of range
        };
        Problem problem = Problem::None;
        QString setAsideAs;  // where a damaged file went
        int systemError = 0; // why it could not be moved aside, or why reading failed

        bool damaged() const { return problem >= Problem::TooLarge; }
    };

    explicit Records(QString path);

    Load load();
    // Records a game that reached the goal; a key that is empty, or values
    // outside 0..MaxValue, record nothing.
    NewBests record(const QByteArray& key, int secondsUsed, int keysPressed, const QDateTime& date);
    std::optional<MazeRecord> lookup(const QByteArray& key) const;
    // Writes the whole file with the one writer (replaceFileContents), its
    // folders made 0700 when they are new and the file 0600.
    MazeFileProblem save() const;

    int size() const { return int(entries_.size()); }

private:
    void dropOldest();

    QString path_;
    std::map<QByteArray, MazeRecord> entries_;
    int readError_ = 0; // why a file that is there could not be read or moved aside
};

} // namespace orvane
