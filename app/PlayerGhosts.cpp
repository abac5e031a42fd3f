#include "PlayerGhosts.h"

#include "PlayRecords.h"

#include <QSettings>

namespace orvane {
namespace {

const QString ShownKey = QStringLiteral("Player/ghost");

} // namespace

PlayerGhosts::PlayerGhosts(PlayRecords& records, const QString& settingsFile) : records_(records)
{
    if (!settingsFile.isEmpty())
        settings_ = std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
}

PlayerGhosts::~PlayerGhosts() = default;

GameRun PlayerGhosts::bestRun(const MazeState& maze)
{
    return records_.bestRun(maze);
}

bool PlayerGhosts::shown()
{
    if (!settings_)
        return shown_;
    settings_->sync(); // another program may have changed it
    return settings_->value(ShownKey, true).toBool();
}

void PlayerGhosts::setShown(bool shown)
{
    shown_ = shown;
    if (settings_)
        settings_->setValue(ShownKey, shown);
}

} // namespace orvane
