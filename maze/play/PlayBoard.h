#pragma once

#include <QPoint>

#include <vector>

namespace orvane {

class MapCanvas;
struct MazeState;

// Where a game draws: the player's map canvas, and the cells the ball has
// drawn on since the map was last drawn whole. Without a canvas nothing is
// drawn (the rules then only move the ball, for analysis).
class PlayBoard {
public:
    explicit PlayBoard(MapCanvas* canvas = nullptr);

    bool draws() const { return canvas_ != nullptr; }

    // The cell's chip, pictured as the full redraw pictures it.
    void drawTerrain(const MazeState& maze, QPoint cell);
    // The cell's item, if it has one.
    void drawItem(const MazeState& maze, QPoint cell);
    // The ball over whatever the cell shows.
    void drawBall(QPoint cell);

    // Draws every cell drawn on whole again, markers included, and forgets them.
    void restore(const MazeState& maze);
    // Forgets the cells drawn on: the map was just drawn whole.
    void forget();

private:
    void touch(QPoint cell);

    MapCanvas* canvas_;
    std::vector<QPoint> touched_;
    std::vector<bool> isTouched_; // by grid index
};

} // namespace orvane
