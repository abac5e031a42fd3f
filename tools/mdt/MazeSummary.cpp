#include "MazeSummary.h"

#include "Cp932.h"

namespace orvane {

MazeSummary MazeSummary::of(const MazeData& maze)
{
    MazeSummary s;
    const MazeHeader& h = maze.header;
    for (int y = 0; y < h.MapHeight; ++y) {
        for (int x = 0; x < h.MapWidth; ++x) {
            const MazeCell& c = maze.grid.at(x, y);
            if (c.Chip >= FirstWall && c.Chip <= LastWall)
                ++s.walls;
            else if (c.Chip >= FirstFloor && c.Chip <= LastFloor)
                ++s.floors;
            if (c.Item != NoItem)
                ++s.arrows;
        }
    }
    s.startChip = maze.grid.at(h.StartX, h.StartY).Chip;
    s.goalChip = maze.grid.at(h.GoalX, h.GoalY).Chip;
    return s;
}

QString summaryText(const MazeData& maze)
{
    const MazeHeader& h = maze.header;
    const MazeSummary s = MazeSummary::of(maze);
    const QString music =
        h.MusicFile.isEmpty() ? QStringLiteral("(none)") : Cp932::toUnicode(h.MusicFile);
    const QString limit = h.TimeLimit == NoTimeLimit ? QStringLiteral("no limit")
                                                     : QStringLiteral("%1 s").arg(h.TimeLimit);
    return QStringLiteral("title:      %1\n"
                          "music:      %2\n"
                          "time limit: %3\n"
                          "start:      (%4, %5) on chip %6\n"
                          "goal:       (%7, %8) on chip %9\n"
                          "size:       %10 x %11\n"
                          "walls:      %12\n"
                          "floors:     %13\n"
                          "arrows:     %14\n")
        .arg(Cp932::toUnicode(h.Title), music, limit)
        .arg(h.StartX)
        .arg(h.StartY)
        .arg(s.startChip)
        .arg(h.GoalX)
        .arg(h.GoalY)
        .arg(s.goalChip)
        .arg(h.MapWidth)
        .arg(h.MapHeight)
        .arg(s.walls)
        .arg(s.floors)
        .arg(s.arrows);
}

QJsonObject summaryJson(const MazeData& maze)
{
    const MazeHeader& h = maze.header;
    const MazeSummary s = MazeSummary::of(maze);
    auto cell = [](int x, int y, int chip) {
        return QJsonObject{{"x", x}, {"y", y}, {"chip", chip}};
    };
    return QJsonObject{
        {"title", Cp932::toUnicode(h.Title)},
        {"music", Cp932::toUnicode(h.MusicFile)},
        {"timeLimit", h.TimeLimit == NoTimeLimit ? QJsonValue() : QJsonValue(h.TimeLimit)},
        {"start", cell(h.StartX, h.StartY, s.startChip)},
        {"goal", cell(h.GoalX, h.GoalY, s.goalChip)},
        {"width", h.MapWidth},
        {"height", h.MapHeight},
        {"walls", s.walls},
        {"floors", s.floors},
        {"arrows", s.arrows},
    };
}

} // namespace orvane
