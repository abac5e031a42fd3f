#pragma once

#include "GhostRuns.h"

#include <QString>

#include <memory>

class QSettings;

namespace orvane {

class PlayRecords;

// The player's ghosts: the best runs of the player's records, and the
// choice to show them, kept in the program's settings (without a settings
// file, only while the program runs). Shown until the player says not.
class PlayerGhosts : public GhostRuns {
public:
    PlayerGhosts(PlayRecords& records, const QString& settingsFile);
    ~PlayerGhosts() override;

    GameRun bestRun(const MazeState& maze) override;
    bool shown() override;
    void setShown(bool shown) override;

private:
    PlayRecords& records_;
    std::unique_ptr<QSettings> settings_;
    bool shown_ = true;
};

} // namespace orvane
