#pragma once
// Small mazes written as text, for the rules' tests.

#include "MazeState.h"

#include <QPoint>
#include <QRect>
#include <QStringList>

#include <memory>
#include <utility>

namespace orvane::test {

// A maze drawn as text: '#' wall, '.' floor, 'r' the red floor, ' ' unset,
// 'X' Chip 13, and the arrows '^', 'v', '<', '>' on floor. The first row's
// first cell is `origin`.
struct Layout {
    QStringList rows;
    QPoint origin;
};

// clang-format off
inline constexpr std::pair<char, MazeCell> TextCells[] = {
    {'#', {FirstWall, NoItem}}, {'.', {FirstFloor, NoItem}}, {'r', {FirstFloor + 1, NoItem}},
    {' ', {UnsetChip, NoItem}}, {'X', {13, NoItem}}, {'^', {FirstFloor, ArrowUp}},
    {'v', {FirstFloor, ArrowDown}}, {'<', {FirstFloor, ArrowLeft}}, {'>', {FirstFloor, ArrowRight}}};
// clang-format on

// The cell of a character; floor for any other.
inline MazeCell cellOf(QChar c)
{
    for (const auto& [character, cell] : TextCells)
        if (c == QLatin1Char(character))
            return cell;
    return {FirstFloor, NoItem};
}

// The character of a cell; '?' for one the text has none for.
inline QChar charOf(MazeCell cell)
{
    for (const auto& [character, value] : TextCells)
        if (cell == value)
            return QLatin1Char(character);
    return u'?';
}

inline std::unique_ptr<MazeState> mazeOf(const Layout& layout, QPoint start, QPoint goal)
{
    auto maze = std::make_unique<MazeState>();
    for (int r = 0; r < layout.rows.size(); ++r)
        for (int c = 0; c < layout.rows[r].size(); ++c)
            maze->cell(layout.origin.x() + c, layout.origin.y() + r) = cellOf(layout.rows[r][c]);
    maze->header.StartX = int16_t(start.x());
    maze->header.StartY = int16_t(start.y());
    maze->header.GoalX = int16_t(goal.x());
    maze->header.GoalY = int16_t(goal.y());
    return maze;
}

// The rows of a rectangle of cells, as mazeOf reads them.
inline QStringList rowsOf(const MazeState& maze, QRect cells)
{
    QStringList rows;
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        QString row;
        for (int x = cells.left(); x <= cells.right(); ++x)
            row += charOf(maze.cell(x, y));
        rows << row;
    }
    return rows;
}

} // namespace orvane::test
