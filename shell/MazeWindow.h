#pragma once

#include "ChipSheet.h"
#include "WindowMapCanvas.h"

#include <QWidget>

#include <memory>

namespace orvane {

struct MazeState;
struct PlatformServices;
class PictureBox;
class StatusBar;

// A child window over the shared maze: the editor or the player. Holds its
// own copy of the chip pictures and draws on its map picture through them.
class MazeWindow : public QWidget {
    Q_OBJECT
public:
    // Whether the window shows the hourglass (a full redraw is under way).
    bool isBusy() const { return canvas_->isBusy(); }
    const ChipSheet& chips() const { return chips_; }

protected:
    MazeWindow(MazeState& maze, PlatformServices& services, const QString& caption,
               QSize clientSize, QWidget* parent);
    ~MazeWindow() override;

    // Connects the map picture and the status bar, once the controls exist.
    void attachMap(PictureBox& map, StatusBar& status,
                   WindowMapCanvas::FitScrollBars fitScrollBars = {});
    void drawChip(int x, int y, int column, int row);
    void redrawMap(int16_t width, int16_t height);

    MazeState& maze_;
    PlatformServices& services_;
    const ChipSheet chips_;

private:
    std::unique_ptr<WindowMapCanvas> canvas_;
};

} // namespace orvane
