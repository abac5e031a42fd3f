#pragma once

#include "Records.h"
#include "WalkSource.h"
#include "play/Difficulty.h"
#include "play/WalkTrace.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

namespace orvane {

struct MazeState;

// The walks of one maze, as they were traced.
struct TracedWalks {
    WalkSource source = WalkSource::None;
    quint64 request = 0;
    bool valid = false; // the start and the goal are on floor chips
    bool solvable = false;
    std::vector<QPoint> route; // the newcomer's: the fewest keys' cells
    Difficulty difficulty;     // the newcomer's
    WalkTrace trace;
    // The runs': the bests the records keep for the maze, none when they
    // keep none (or could not be read: `load` says why).
    std::optional<MazeRecord> best;
    int runs = 0;
    Records::Load load;
};

// Traces the walks of `source` on a maze; the runs are read afresh from the
// records in `recordsFile` (none without one). Any thread.
TracedWalks traceWalks(const MazeState& maze, WalkSource source, const QString& recordsFile);

// Traces the walks of the maze the editor edits off the window's thread,
// one trace at a time: at once when asked, and again after a pause once the
// maze stops changing. A trace of a maze since changed is dropped.
class WalkTracer : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds DefaultPause{250};

    explicit WalkTracer(const MazeState& maze, std::chrono::milliseconds pause = DefaultPause,
                        QObject* parent = nullptr);
    ~WalkTracer() override;

    WalkSource source() const { return source_; }
    // Traces the maze as it stands from `source`, the runs read from
    // `recordsFile`; None stops tracing.
    void trace(WalkSource source, const QString& recordsFile = {});
    // The maze changed: traced again once it rests for the pause.
    void mazeChanged();
    // Whether a trace is under way or waits for the pause.
    bool busy() const { return running_ || pause_.isActive(); }

signals:
    // The walks of the maze as it stands.
    void traced(const orvane::TracedWalks& walks);

private:
    void start();
    void made();

    const MazeState& maze_;
    QString recordsFile_;
    WalkSource source_ = WalkSource::None;
    quint64 request_ = 0; // the newest
    bool running_ = false;
    QTimer pause_;
    QFutureWatcher<TracedWalks>* watcher_;
};

} // namespace orvane
