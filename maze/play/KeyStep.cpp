#include "KeyStep.h"

#include "MazeState.h"
#include "PlayBoard.h"

#include <algorithm>
#include <cstdint>

namespace orvane {
namespace {

// The cells a key press has slid the ball from, as generation stamps so that
// no press has to clear them. Entering one of them again would repeat the
// same slides for ever.
class Visits {
public:
    void begin()
    {
        if (++generation_ == 0) { // wrapped around: clear the old stamps
            std::fill(stamps_.begin(), stamps_.end(), 0u);
            generation_ = 1;
        }
    }
    void mark(QPoint cell) { stamps_[index(cell)] = generation_; }
    bool seen(QPoint cell) const
    {
        return MazeGrid::contains(cell.x(), cell.y()) && stamps_[index(cell)] == generation_;
    }

private:
    static size_t index(QPoint cell) { return size_t(MazeGrid::index(cell.x(), cell.y())); }

    std::vector<uint32_t> stamps_ = std::vector<uint32_t>(GridCellCount);
    uint32_t generation_ = 0;
};

// The Chip of a cell; a cell outside the grid is a wall.
int16_t chipAt(const MazeState& maze, QPoint cell)
{
    const MazeCell* c = maze.grid.find(cell.x(), cell.y());
    return c ? c->Chip : UnsetChip;
}

bool enterable(int16_t chip)
{
    return chip > LastWall;
}

class Press {
public:
    Press(MazeState& maze, PlayBoard& board, std::vector<QPoint>* path)
        : maze_(maze), board_(board), path_(path)
    {
        visits_.begin();
    }

    QPoint ball() const { return {maze_.CursorX, maze_.CursorY}; }
    int16_t item() const { return maze_.cell(maze_.CursorX, maze_.CursorY).Item; }
    bool atGoal() const
    {
        return maze_.CursorX == maze_.header.GoalX && maze_.CursorY == maze_.header.GoalY;
    }
    KeyOutcome& outcome() { return outcome_; }

    // The key step; false when the cell ahead refuses it and the arrow under
    // the ball does not apply either.
    bool keyStep(Direction d)
    {
        const QPoint ahead = ball() + offsetOf(d);
        const int16_t chip = chipAt(maze_, ahead);
        if (!enterable(chip))
            return false;
        if (chip > LastFloor)
            return true; // refused, but the arrow under the ball still applies
        board_.drawTerrain(maze_, ball());
        board_.drawItem(maze_, ball());
        move(d);
        board_.drawBall(ball());
        return true;
    }

    // One slide by the arrow under the ball; false when it ends the chain.
    bool slide()
    {
        const std::optional<Direction> d = directionOfItem(item());
        if (!d)
            return false;
        const QPoint from = ball();
        const QPoint ahead = from + offsetOf(*d);
        visits_.mark(from);
        if (visits_.seen(ahead)) {
            rest(SlideEnd::Cycle);
            return false;
        }
        board_.drawTerrain(maze_, from);
        if (!enterable(chipAt(maze_, ahead))) {
            rest(SlideEnd::Blocked);
            return false;
        }
        move(*d);
        board_.drawTerrain(maze_, ball());
        board_.drawBall(ball());
        board_.drawItem(maze_, from);
        return true;
    }

private:
    void move(Direction d)
    {
        const QPoint offset = offsetOf(d);
        maze_.CursorX = int16_t(maze_.CursorX + offset.x());
        maze_.CursorY = int16_t(maze_.CursorY + offset.y());
        outcome_.viewShift -= offset * ChipSize;
        ++outcome_.steps;
        if (path_)
            path_->push_back(ball());
    }

    // The ball stays on its arrow: both are shown there.
    void rest(SlideEnd end)
    {
        board_.drawItem(maze_, ball());
        board_.drawBall(ball());
        outcome_.slideEnd = end;
    }

    MazeState& maze_;
    PlayBoard& board_;
    std::vector<QPoint>* path_;
    KeyOutcome outcome_;
    static thread_local Visits visits_;
};

thread_local Visits Press::visits_;

} // namespace

KeyOutcome KeyStep(MazeState& maze, PlayBoard& board, std::optional<Direction> key,
                   std::vector<QPoint>* path)
{
    if (!MazeGrid::contains(maze.CursorX, maze.CursorY))
        return {}; // no game placed the ball: the editor's pointer may be anywhere
    Press press(maze, board, path);
    bool sliding = true;
    if (key && press.keyStep(*key) && press.item() != NoItem)
        sliding = press.slide();
    if (press.atGoal()) {
        press.outcome().reachedGoal = true;
        return press.outcome();
    }
    while (sliding && press.slide()) {
    }
    return press.outcome();
}

} // namespace orvane
