#pragma once

#include "MazeCodec.h"
#include "MazeData.h"
#include "MazeFileError.h"
#include "edit/EditHistory.h"

#include <QByteArray>
#include <QString>
#include <QUuid>

#include <optional>
#include <vector>

namespace orvane {

// The editor's work as it is kept between runs: the maze as it stood, the file
// it came from, where the user stood, and the newest steps of its history.
struct KeptWork {
    MazeData maze;
    QString mazePath;
    EditorPlace place;
    std::vector<RecordedStep> steps; // oldest first; the last left the maze as it is
    // Which work this is, and the works whose files this one took in while
    // those files remain: their work is in this one and never taken in again.
    QUuid id;
    std::vector<QUuid> takenIn;
};

// Whether a place could be the editor's: a palette cell and its code, and a
// view inside the largest map.
bool isEditorPlace(const EditorPlace& place);

// One work from several, oldest first: the steps of each in turn, and between
// two a step of kind NewMaze from the maze the one left to the maze the next
// one's steps start from; the maze, file and place of the last. Every kept
// maze is on the way back from the last.
KeptWork joinKeptWork(std::vector<KeptWork> oldestFirst);

namespace KeptWorkCodec {

// On disk the newest steps are kept up to this many bytes; older ones go.
inline constexpr qsizetype StepBudget = qsizetype(4) * 1024 * 1024;
// Kept-work files one folder holds, one for each program running at once.
inline constexpr int MaxWorkFiles = 64;
// The works one file names as taken in: every other file of its folder.
inline constexpr int MaxTakenIn = MaxWorkFiles - 1;
// A maze file path longer than this is no path the system opens; it is kept
// as no path.
inline constexpr qsizetype MaxPathSize = 4096;

// The file's parts as the writer makes them, each at its largest.
inline constexpr qsizetype HeadSize = 14; // the tag and the format version
inline constexpr qsizetype IdSize = 16;
inline constexpr qsizetype CountSize = 4;
inline constexpr qsizetype PlaceSize = 5 * 2;
inline constexpr qsizetype HashSize = 32;
// A file past this size is none the writer makes: it is not read.
inline constexpr qsizetype MaxFileSize =
    HeadSize + IdSize + CountSize + MaxTakenIn * IdSize + CountSize + MazeCodec::MaxMeaningfulSize +
    CountSize + MaxPathSize + PlaceSize + CountSize + StepBudget + HashSize;

struct Encoded {
    QByteArray bytes;
};

// The whole file: a tag and format version, the work's id and those it took
// in, the maze as a maze file holds it, the path and place, the newest steps
// within budget, and a SHA-256 of all of it, so that damage is found rather
// than loaded. At most MaxTakenIn ids are written; the work's own is never
// null (a file naming none is not read).
Encoded encode(const KeptWork& work, qsizetype stepBudget = StepBudget);

// Whether the first HeadSize bytes of a file (or fewer) are those of kept
// work a newer version of the program wrote, which this one leaves alone.
bool isNewerFormat(QByteArrayView head);

// Why kept work cannot be read back.
enum class Refusal {
    None,
    NotKeptWork, // not the tag: some other file
    NewerFormat, // written by a later version of the program
    TooLarge,    // over MaxFileSize
    Damaged,     // the checksum, the layout or a value of the maze or place does not hold
};

struct DecodeResult {
    std::optional<KeptWork> work; // the maze whole, or nothing
    Refusal refusal = Refusal::None;
    // Steps left out: a step whose values are out of range, that changes
    // nothing, or that does not lead to the maze, goes with every step
    // before it. The maze stays.
    int stepsDropped = 0;
};

// A file of the first format names no ids: its id is the start of its
// SHA-256, the same at every reading; it took in none.
DecodeResult decode(QByteArrayView bytes);
// decode() of what the checksum covers: the file without its last 32 bytes.
DecodeResult decodeContents(QByteArrayView contents);

} // namespace KeptWorkCodec
} // namespace orvane
