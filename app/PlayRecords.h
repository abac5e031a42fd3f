#pragma once

#include "Records.h"

#include <QString>

#include <optional>
#include <utility>

namespace orvane {

struct MazeState;

// The player's records as the program keeps them: each game that reaches
// the goal is written at once, shared with every other running program;
// a game another program kept from the file waits and is written with the
// next, or at the end. Without a file they last while the program runs.
class PlayRecords {
public:
    explicit PlayRecords(QString file = {});
    // Writes what still waits.
    ~PlayRecords();

    struct Recorded {
        NewBests news;
        std::optional<MazeRecord> best; // after this game; none for a maze no file can hold
    };
    // Records a game on the maze the model holds that reached the goal,
    // with its run.
    Recorded record(const MazeState& maze, int secondsUsed, int keysPressed, const GameRun& run);
    // The run of the maze's best time, else of its fewest keys, as the file
    // holds them now; empty when none is kept.
    GameRun bestRun(const MazeState& maze);
    // Writes the games that wait, if any.
    void flush();
    // Reads the file afresh: the games other programs recorded are known.
    void reload();
    // The bests known of the maze with this record key.
    std::optional<MazeRecord> lookup(const QByteArray& key) const { return records_.lookup(key); }

    // What the user is to be told, each once: where a damaged file was set
    // aside; that a newer version's file is left as it is and not written;
    // that the records cannot be written, and why (the first time only).
    std::optional<QString> takeSetAside() { return std::exchange(setAside_, std::nullopt); }
    bool takeNewerVersion() { return std::exchange(newerVersion_, false); }
    std::optional<MazeFileProblem> takeSaveFailure()
    {
        return std::exchange(saveFailure_, std::nullopt);
    }
    const QString& file() const { return file_; }

private:
    void note(const Records::Sync& sync);

    QString file_;
    Records records_;
    bool saveFailureTold_ = false;
    bool newerVersionTold_ = false;
    std::optional<QString> setAside_;
    bool newerVersion_ = false;
    std::optional<MazeFileProblem> saveFailure_;
};

} // namespace orvane
