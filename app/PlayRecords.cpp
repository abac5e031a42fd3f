#include "PlayRecords.h"

#include "MazeState.h"

namespace orvane {

PlayRecords::PlayRecords(QString file) : file_(std::move(file)), records_(file_) {}

PlayRecords::~PlayRecords()
{
    flush();
}

PlayRecords::Recorded PlayRecords::record(const MazeState& maze, int secondsUsed, int keysPressed,
                                          const GameRun& run)
{
    const QByteArray key = recordKey(maze.header, maze.grid);
    Recorded recorded;
    const Records::Recorded game =
        records_.record(key, secondsUsed, keysPressed, QDateTime::currentDateTimeUtc(), run);
    note(game.sync);
    recorded.news = game.news;
    recorded.best = records_.lookup(key);
    return recorded;
}

GameRun PlayRecords::bestRun(const MazeState& maze)
{
    // Afresh: another program may have set a better best since.
    Records::Sync read;
    read.load = records_.load();
    note(read);
    const std::vector<GameRun> runs = records_.bestRuns(recordKey(maze.header, maze.grid));
    return runs.empty() ? GameRun{} : runs.front();
}

void PlayRecords::flush()
{
    note(records_.flush());
}

void PlayRecords::reload()
{
    Records::Sync sync;
    sync.load = records_.load();
    note(sync);
}

void PlayRecords::note(const Records::Sync& sync)
{
    if (!sync.load.setAsideAs.isEmpty())
        setAside_ = sync.load.setAsideAs;
    if (sync.load.problem == Records::Load::Problem::NewerVersion && !newerVersionTold_)
        newerVersion_ = newerVersionTold_ = true;
    if (!sync.write.written() && !std::exchange(saveFailureTold_, true))
        saveFailure_ = sync.write;
}

} // namespace orvane
