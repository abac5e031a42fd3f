#pragma once

#include "PlatformServices.h"

class QSettings;

namespace orvane {

// The places of the program's own windows, kept in its settings (so across
// runs), one key a window under "Windows/".
class SettingsWindowPlaces : public WindowPlaceService {
public:
    explicit SettingsWindowPlaces(QSettings& settings) : settings_(settings) {}

    std::optional<QRect> place(const QString& window) const override;
    void remember(const QString& window, const QRect& place) override;

private:
    QSettings& settings_;
};

} // namespace orvane
