#include "WalkTracer.h"

#include "MazeState.h"

#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace orvane {

TracedWalks traceWalks(const MazeState& maze, WalkSource source, const QString& recordsFile)
{
    TracedWalks walks;
    walks.source = source;
    const MazeAnalysis analysis = analyseMaze(maze);
    walks.valid = analysis.valid();
    walks.solvable = analysis.solvable;
    if (!walks.valid)
        return walks;
    if (source == WalkSource::Newcomer) {
        walks.difficulty = measureDifficulty(maze, analysis, &walks.trace);
        walks.route = analysis.routeCells;
    } else if (source == WalkSource::Runs) {
        Records records(recordsFile);
        walks.load = records.load();
        const QByteArray key = recordKey(maze.header, maze.grid);
        walks.best = records.lookup(key);
        const std::vector<GameRun> runs = records.bestRuns(key);
        walks.runs = int(runs.size());
        walks.trace = traceRuns(maze, analysis, runs);
    }
    return walks;
}

WalkTracer::WalkTracer(const MazeState& maze, std::chrono::milliseconds pause, QObject* parent)
    : QObject(parent), maze_(maze), watcher_(new QFutureWatcher<TracedWalks>(this))
{
    pause_.setSingleShot(true);
    pause_.setInterval(pause);
    connect(&pause_, &QTimer::timeout, this, &WalkTracer::start);
    connect(watcher_, &QFutureWatcher<TracedWalks>::finished, this, &WalkTracer::made);
}

WalkTracer::~WalkTracer() = default;

void WalkTracer::trace(WalkSource source, const QString& recordsFile)
{
    source_ = source;
    recordsFile_ = recordsFile;
    ++request_;
    pause_.stop();
    start();
}

void WalkTracer::mazeChanged()
{
    if (source_ == WalkSource::None)
        return;
    ++request_;
    pause_.start();
}

void WalkTracer::start()
{
    if (running_ || source_ == WalkSource::None)
        return; // asked again when the trace under way is made
    running_ = true;
    auto promise = std::make_shared<QPromise<TracedWalks>>();
    promise->start();
    watcher_->setFuture(promise->future());
    // The maze as it stands: the editor goes on changing its own.
    QThreadPool::globalInstance()->start([promise, maze = std::make_shared<MazeState>(maze_),
                                          source = source_, file = recordsFile_,
                                          request = request_] {
        TracedWalks walks = traceWalks(*maze, source, file);
        walks.request = request;
        promise->addResult(std::move(walks));
        promise->finish();
    });
}

void WalkTracer::made()
{
    running_ = false;
    const QFuture<TracedWalks> future = watcher_->future();
    if (future.resultCount() > 0 && future.result().request == request_) {
        emit traced(future.result());
        return;
    }
    // Of a maze since changed, or of walks no longer asked for.
    if (!pause_.isActive())
        start();
}

} // namespace orvane
