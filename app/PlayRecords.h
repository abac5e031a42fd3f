#pragma once

#include "Records.h"

#include <QString>

#include <optional>
#include <utility>

namespace orvane {

struct MazeState;

// The player's records as the program keeps them: read from their file at
// the first game that reaches the goal, written whole after each such game.
// Without a file they last while the program runs.
class PlayRecords {
public:
    explicit PlayRecords(QString file = {});

    struct Recorded {
        NewBests news;
        std::optional<MazeRecord> best; // after this game; none for a maze no file can hold
    };
    // Records a game on the maze the model holds that reached the goal.
    Recorded record(const MazeState& maze, int secondsUsed, int keysPressed);

    // What the user is to be told, each once: where a damaged file was set
    // aside; that the records cannot be written, and why (the first time only).
    std::optional<QString> takeSetAside() { return std::exchange(setAside_, std::nullopt); }
    std::optional<MazeFileProblem> takeSaveFailure()
    {
        return std::exchange(saveFailure_, std::nullopt);
    }
    const QString& file() const { return file_; }

private:
    QString file_;
    Records records_;
    bool loaded_ = false;
    bool saveFailureTold_ = false;
    std::optional<QString> setAside_;
    std::optional<MazeFileProblem> saveFailure_;
};

} // namespace orvane
