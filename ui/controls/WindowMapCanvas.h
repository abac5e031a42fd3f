#pragma once

#include "ChipSheet.h"
#include "MapCanvas.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

namespace orvane {

class PictureBox;
class StatusBar;

// The map canvas of a child window: its map picture box, the hourglass on
// the window and the status bar's panel while busy.
class WindowMapCanvas : public MapCanvas {
    Q_DECLARE_TR_FUNCTIONS(WindowMapCanvas)

public:
    // The status text while a full redraw runs.
    static QString preparingText();

    using FitScrollBars = std::function<void(int width, int height)>;

    WindowMapCanvas(QWidget& window, PictureBox& map, StatusBar& status, const ChipSheet& chips,
                    FitScrollBars fitScrollBars = {});

    QImage& mapPicture() override;
    const ChipSheet& chips() const override { return chips_; }
    void markDirty(const QRect& pixels) override;
    void resizeMap(int width, int height) override;
    void refreshMap() override;
    void setBusy(bool busy) override;
    void refreshWindow() override;
    void fitScrollBars(int width, int height) override;

    // Whether the window shows the hourglass pointer.
    bool isBusy() const;
    // Told of every part of the map picture drawn, in pixels.
    void setDrawnListener(std::function<void(const QRect& pixels)> listener)
    {
        drawn_ = std::move(listener);
    }

private:
    QWidget& window_;
    PictureBox& map_;
    StatusBar& status_;
    const ChipSheet& chips_;
    FitScrollBars fitScrollBars_;
    std::function<void(const QRect&)> drawn_;
};

} // namespace orvane
