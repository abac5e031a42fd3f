#include "WindowPlaces.h"

#include <QSettings>

namespace orvane {
namespace {

QString keyOf(const QString& window)
{
    return QStringLiteral("Windows/") + window;
}

} // namespace

std::optional<QRect> SettingsWindowPlaces::place(const QString& window) const
{
    // A value that is no rectangle (an edited file) reads as none kept.
    const QRect kept = settings_.value(keyOf(window)).toRect();
    if (!kept.isValid())
        return std::nullopt;
    return kept;
}

void SettingsWindowPlaces::remember(const QString& window, const QRect& place)
{
    settings_.setValue(keyOf(window), place);
}

} // namespace orvane
