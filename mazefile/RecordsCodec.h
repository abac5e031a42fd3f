#pragma once
// The player's bests as records.json holds them, and how two sets of them
// are joined.

#include "play/GameRun.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>

#include <map>

namespace orvane {

struct Best {
    int value = 0; // seconds used, or keys pressed
    QDateTime date;
    GameRun run = {}; // the game that set it; empty when not kept
    friend bool operator==(const Best&, const Best&) = default;
};

struct MazeRecord {
    Best time;
    Best keys;
    QDateTime played; // the last game recorded
    friend bool operator==(const MazeRecord&, const MazeRecord&) = default;
};

// A maze's records by its key (recordKey).
using RecordEntries = std::map<QByteArray, MazeRecord>;

// Which bests a game set.
struct NewBests {
    bool time = false;
    bool keys = false;
};

// The better of two records of one maze: each best on its own, with its
// run (the lower value; of equal ones the earlier, then the one with a
// run), the later game played.
MazeRecord betterOf(const MazeRecord& a, const MazeRecord& b);
// Every record of `from` joined into `into` with betterOf.
void joinRecords(RecordEntries& into, const RecordEntries& from);

namespace RecordsCodec {

// Bounds: a file past MaxFileSize bytes is not read, and none longer is
// written (the runs of the mazes played longest ago are left out first); a
// value (seconds, keys) lies in 0..MaxValue; a run holds at most MaxRunKeys
// keys.
inline constexpr qsizetype MaxFileSize = qsizetype(4) << 20;
inline constexpr int MaxValue = 999'999'999;

enum class Problem {
    None,
    NewerVersion, // the format of a later version of the program: not ours to read or write
    TooLarge,     // over MaxFileSize bytes
    NotJson,      // not a JSON object
    NotRecords,   // another format
    BadEntry,     // a maze's entry with a wrong type or a value out of range
};

struct Decoded {
    RecordEntries entries; // empty unless the whole file holds
    Problem problem = Problem::None;
};

// Reads this version's files and the first version's (without runs).
Decoded decode(QByteArrayView bytes);
// At most MaxFileSize bytes.
QByteArray encode(const RecordEntries& entries);

bool inRange(int value);

} // namespace RecordsCodec
} // namespace orvane
