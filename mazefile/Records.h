#pragma once
// The player's bests, per maze: the least time used and, apart from it, the
// fewest keys pressed, each with when it was set and the run that set it.
// Kept in one JSON file
// (records.json in the user's data folder) that every running program
// shares: each write holds the file's lock, reads the file afresh, joins
// its own games in and writes the whole file.

#include "MazeFileError.h"
#include "RecordsCodec.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

class QLockFile;

namespace orvane {

class MazeGrid;
struct MazeHeader;

// The key of a maze's records: the SHA-256 (lowercase hex) of the bytes its
// file holds, the music path left out, so that moving the music keeps the
// records. Empty for a maze no file can hold.
QByteArray recordKey(const MazeHeader& header, const MazeGrid& grid);

class Records {
public:
    // Past MaxEntries mazes the one played longest ago is dropped.
    static constexpr int MaxEntries = 2000;
    static constexpr int MaxValue = RecordsCodec::MaxValue;
    // How long a write waits for another program to finish its own.
    static constexpr std::chrono::milliseconds LockWait{500};

    // What a read of the file found. A damaged file is moved aside, beside
    // itself with a suffix such as ".damaged-20260101-093000", and its
    // records are gone; a file that cannot be read (or moved aside) is left
    // as it is and not written over; nor is a newer version's file, which
    // is neither read nor written again while this object lives.
    struct Load {
        enum class Problem {
            None,         // read, or no file yet
            ReadFailed,   // systemError: the system's reason
            NotAFile,     // a folder or a device has the file's name
            NewerVersion, // written by a later version of the program
            TooLarge,     // over RecordsCodec::MaxFileSize bytes
            NotJson,      // not a JSON object
            NotRecords,   // another format
            BadEntry,     // a maze's entry with a wrong type or a value out of range
        };
        Problem problem = Problem::None;
        QString setAsideAs;  // where a damaged file went
        int systemError = 0; // why it could not be moved aside, or why reading failed

        bool damaged() const { return problem >= Problem::TooLarge; }
    };

    // What a write found: the read before it, and the write itself. Games
    // that could not be written wait in memory for the next write.
    struct Sync {
        Load load;
        bool lockBusy = false; // another program held the file past LockWait
        MazeFileProblem write; // None also when nothing was to be written, or not
                               // into a newer version's file
    };

    struct Recorded {
        NewBests news;
        Sync sync;
    };

    // Without a path the records last only as long as the object.
    explicit Records(QString path);
    ~Records();

    // Reads the file: the bests known become its own joined with the games
    // recorded here that wait to be written. A damaged file is moved aside
    // only under the file's lock.
    Load load();
    // Records a game that reached the goal, its new bests measured against
    // the file as it is now, and writes. Nothing is recorded for an empty
    // key or values outside 0..MaxValue. The game's run is kept with the
    // bests it sets, unless it holds more than MaxRunKeys keys.
    Recorded record(const QByteArray& key, int secondsUsed, int keysPressed, const QDateTime& date,
                    const GameRun& run = {});
    // Writes the games that wait, if any.
    Sync flush();

    std::optional<MazeRecord> lookup(const QByteArray& key) const;
    // The runs kept for a maze: the least time's, then the fewest keys' when
    // it is another game's. Empty when none is kept.
    std::vector<GameRun> bestRuns(const QByteArray& key) const;
    int size() const { return int(entries_.size()); }
    bool hasUnwritten() const { return !unwritten_.empty(); }

private:
    // The file's lock, held; null when it could not be had (`busy` when
    // another program holds it), or there is no file.
    std::unique_ptr<QLockFile> lock(Sync& sync) const;
    Load read(bool locked);
    MazeFileProblem write();
    void dropOldest();

    QString path_;
    RecordEntries entries_;   // the file's as last read, joined with ours
    RecordEntries unwritten_; // games recorded here that the file lacks
    int readError_ = 0;       // why a file that is there could not be read or moved aside
    bool newer_ = false;      // a newer version's file is there
};

} // namespace orvane
