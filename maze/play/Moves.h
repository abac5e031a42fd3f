#pragma once

#include "MazeConstants.h"

#include <QPoint>

#include <cstdint>
#include <optional>

namespace orvane {

// The four ways the ball moves, by key or by an arrow item.
enum class Direction { Up, Down, Left, Right };

// One cell in the direction: x grows to the right, y downwards.
constexpr QPoint offsetOf(Direction d)
{
    switch (d) {
    case Direction::Up:
        return {0, -1};
    case Direction::Down:
        return {0, 1};
    case Direction::Left:
        return {-1, 0};
    case Direction::Right:
        return {1, 0};
    }
    return {};
}

// The direction an arrow item pushes the ball; other items push nowhere.
constexpr std::optional<Direction> directionOfItem(int16_t item)
{
    switch (item) {
    case ArrowUp:
        return Direction::Up;
    case ArrowDown:
        return Direction::Down;
    case ArrowLeft:
        return Direction::Left;
    case ArrowRight:
        return Direction::Right;
    default:
        return std::nullopt;
    }
}

} // namespace orvane
