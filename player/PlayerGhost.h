#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>

#include <vector>

class QTimer;
class QWidget;

namespace orvane {

class ChipSheet;
struct GameRun;
struct MazeState;

// The ghost of a best run over the player's map: a half-transparent ball
// that walks the run in step with the play clock, each key at its tick (the
// keys of a second spread over it). A widget of its own over the map
// picture draws it, never the picture: the pointer passes through it, it
// takes no key, and no rule of the game sees it.
class PlayerGhost : public QObject {
    Q_OBJECT
public:
    PlayerGhost(QWidget* map, const ChipSheet& chips);

    // Starts walking the run on the maze from its start: the game's clock
    // has just started.
    void start(const MazeState& maze, const GameRun& run);
    // The game's clock ticked `ticks` times since the start.
    void clockTicked(int ticks);
    // Hides the ghost: the game is over.
    void stop();

    bool isShown() const;
    QPoint cell() const { return cell_; }
    // The keys of the run walked so far.
    int keysWalked() const { return int(walked_); }

private:
    // Walks the keys due by the clock, and waits for the next.
    void walk();
    void place(QPoint cell);

    QWidget* ball_;
    QTimer* next_;
    std::vector<QPoint> rests_; // after each key of the run
    std::vector<int64_t> times_;
    size_t walked_ = 0;
    QPoint cell_;
    int ticks_ = 0;
    QElapsedTimer sinceTick_;
};

} // namespace orvane
