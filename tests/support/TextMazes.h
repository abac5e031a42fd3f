#pragma once
// Small mazes written as text, for the rules' tests.

#include "MazeState.h"

#include <QPoint>
#include <QStringList>

#include <memory>

namespace orvane::test {

// A maze drawn as text: '#' wall, '.' floor, ' ' unset, 'X' Chip 13, and
// the arrows '^', 'v', '<', '>' on floor. The first row's first cell is `origin`.
struct Layout {
    QStringList rows;
    QPoint origin;
};

inline std::unique_ptr<MazeState> mazeOf(const Layout& layout, QPoint start, QPoint goal)
{
    static const QString Arrows = QStringLiteral(" ^v<>"); // at their item codes
    auto maze = std::make_unique<MazeState>();
    for (int r = 0; r < layout.rows.size(); ++r) {
        for (int c = 0; c < layout.rows[r].size(); ++c) {
            MazeCell& cell = maze->cell(layout.origin.x() + c, layout.origin.y() + r);
            const QChar ch = layout.rows[r][c];
            cell.Chip = ch == '#' ? FirstWall : ch == ' ' ? UnsetChip : ch == 'X' ? 13 : FirstFloor;
            cell.Item = int16_t(std::max<qsizetype>(Arrows.indexOf(ch), 0));
        }
    }
    maze->header.StartX = int16_t(start.x());
    maze->header.StartY = int16_t(start.y());
    maze->header.GoalX = int16_t(goal.x());
    maze->header.GoalY = int16_t(goal.y());
    return maze;
}

} // namespace orvane::test
