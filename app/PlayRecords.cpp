#include "PlayRecords.h"

#include "MazeState.h"

namespace orvane {

PlayRecords::PlayRecords(QString file) : file_(std::move(file)), records_(file_) {}

PlayRecords::Recorded PlayRecords::record(const MazeState& maze, int secondsUsed, int keysPressed)
{
    if (!file_.isEmpty() && !std::exchange(loaded_, true)) {
        const Records::Load load = records_.load();
        if (!load.setAsideAs.isEmpty())
            setAside_ = load.setAsideAs;
    }
    const QByteArray key = recordKey(maze.header, maze.grid);
    Recorded recorded;
    recorded.news = records_.record(key, secondsUsed, keysPressed, QDateTime::currentDateTimeUtc());
    recorded.best = records_.lookup(key);
    if (file_.isEmpty())
        return recorded;
    if (const MazeFileProblem problem = records_.save(); !problem.written())
        if (!std::exchange(saveFailureTold_, true))
            saveFailure_ = problem;
    return recorded;
}

} // namespace orvane
