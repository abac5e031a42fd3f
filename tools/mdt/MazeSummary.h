#pragma once

#include "MazeData.h"

#include <QJsonObject>
#include <QString>

namespace orvane {

// What `orvane-mdt info` reports about a maze.
struct MazeSummary {
    int walls = 0;  // cells of the visible map with a wall chip
    int floors = 0; // ... with a floor chip
    int arrows = 0; // ... with an arrow
    int16_t startChip = 0;
    int16_t goalChip = 0;

    static MazeSummary of(const MazeData& maze);
};

QString summaryText(const MazeData& maze);
QJsonObject summaryJson(const MazeData& maze);

} // namespace orvane
