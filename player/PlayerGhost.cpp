#include "PlayerGhost.h"

#include "ChipSheet.h"
#include "MazeConstants.h"
#include "play/GameRun.h"
#include "play/GhostDrawing.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace orvane {
namespace {

constexpr int64_t MsPerTick = 1000;

// The ghost's figure, one cell large, over the map picture.
class GhostBall : public QWidget {
public:
    GhostBall(QWidget* map, const ChipSheet& chips) : QWidget(map), figure_(ghostFigure(chips))
    {
        setObjectName(QStringLiteral("ghost"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        resize(ChipSize, ChipSize);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        drawGhost(p, {}, figure_);
    }

private:
    const QImage figure_;
};

} // namespace

PlayerGhost::PlayerGhost(QWidget* map, const ChipSheet& chips)
    : QObject(map), ball_(new GhostBall(map, chips)), next_(new QTimer(this))
{
    next_->setSingleShot(true);
    connect(next_, &QTimer::timeout, this, &PlayerGhost::walk);
}

void PlayerGhost::start(const MazeState& maze, const GameRun& run)
{
    const RunReplay replay = replayRun(maze, run);
    rests_ = replay.rests;
    times_ = runKeyTimes(run);
    times_.resize(rests_.size());
    walked_ = 0;
    ticks_ = 0;
    sinceTick_.start();
    place(replay.start);
    ball_->show();
    walk();
}

void PlayerGhost::clockTicked(int ticks)
{
    if (!isShown())
        return;
    ticks_ = ticks;
    sinceTick_.restart();
    walk();
}

void PlayerGhost::stop()
{
    next_->stop();
    ball_->hide();
}

bool PlayerGhost::isShown() const
{
    return !ball_->isHidden();
}

void PlayerGhost::walk()
{
    // Within a second the clock's own time, never past the next tick.
    const int64_t now = ticks_ * MsPerTick + std::min<int64_t>(sinceTick_.elapsed(), MsPerTick - 1);
    const size_t due = size_t(std::upper_bound(times_.begin(), times_.end(), now) - times_.begin());
    if (due > walked_) {
        walked_ = due;
        place(rests_[walked_ - 1]);
    }
    // A key of a later second waits for the clock's tick.
    if (walked_ < times_.size() && times_[walked_] < (ticks_ + 1) * MsPerTick)
        next_->start(int(times_[walked_] - now));
}

void PlayerGhost::place(QPoint cell)
{
    cell_ = cell;
    ball_->move(cell * ChipSize);
}

} // namespace orvane
