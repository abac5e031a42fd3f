#pragma once

#include "play/Analysis.h"
#include "play/Difficulty.h"

#include <QJsonObject>
#include <QString>

namespace orvane {

struct MazeState;

// What `orvane-mdt check` reports about a maze: its analysis, with the
// route's time at a pace of keysPerSecond against the maze's time limit,
// and its difficulty.
struct CheckReport {
    const MazeState& maze;
    MazeAnalysis analysis;
    Difficulty difficulty;
    double keysPerSecond;

    QString text() const;
    QJsonObject json() const;
};

} // namespace orvane
