#pragma once

#include "MazeData.h"
#include "MazeFileError.h"
#include "edit/EditHistory.h"

#include <QByteArray>
#include <QString>

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
};

namespace KeptWorkCodec {

// On disk the newest steps are kept up to this many bytes; older ones go.
inline constexpr qsizetype StepBudget = qsizetype(4) * 1024 * 1024;

// The whole file: a tag and format version, the maze as a maze file holds it,
// the path and place, the newest steps within budget, and a SHA-256 of all
// of it, so that damage is found rather than loaded.
QByteArray encode(const KeptWork& work, qsizetype stepBudget = StepBudget);

// Why kept work cannot be read back.
enum class Refusal {
    None,
    NotKeptWork,  // not the tag: some other file
    NewerFormat,  // written by a later version of the program
    Damaged,      // the checksum or the contents do not hold
    Inconsistent, // its steps do not lead to its maze
};

struct DecodeResult {
    std::optional<KeptWork> work; // whole, or nothing
    Refusal refusal = Refusal::None;
};

DecodeResult decode(QByteArrayView bytes);

} // namespace KeptWorkCodec
} // namespace orvane
