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
// However it closes (its close box, close(), the main window's menu), it
// takes the frame it sits in with it, ends what runs in it at once and takes
// no more input.
class MazeWindow : public QWidget {
    Q_OBJECT
public:
    static QString loadingText();

    // Whether the window shows the hourglass (a full redraw is under way).
    bool isBusy() const { return canvas_->isBusy(); }
    const ChipSheet& chips() const { return chips_; }
    // Whether the window has closed and is only waiting to be deleted.
    bool isClosed() const { return closed_; }

protected:
    MazeWindow(MazeState& maze, PlatformServices& services, const QString& caption,
               QSize clientSize, QWidget* parent);
    ~MazeWindow() override;

    // Connects the map picture and the status bar, once the controls exist.
    void attachMap(PictureBox& map, StatusBar& status,
                   WindowMapCanvas::FitScrollBars fitScrollBars = {});
    void drawChip(int x, int y, int column, int row);
    void redrawMap(int16_t width, int16_t height);
    MapCanvas& mapCanvas() { return *canvas_; }
    // Tells `listener` of every part of the map picture drawn, in pixels.
    void onMapDrawn(std::function<void(const QRect& pixels)> listener)
    {
        canvas_->setDrawnListener(std::move(listener));
    }

    // Shows a text in the status bar at once.
    void showStatus(const QString& text);
    // Reads a maze file into the model, the loading text showing meanwhile.
    // A refused file is reported, and the model and the status text stay as
    // they were. Returns whether the maze was loaded.
    bool loadMazeFile(const QString& path);

    // The control the window hands the keyboard focus to when it gets it
    // itself, as it does when it opens. Unlike a focus proxy, the window
    // does not stand in Tab's way.
    void setOpeningFocus(QWidget* control) { openingFocus_ = control; }
    void focusInEvent(QFocusEvent* event) override;

    // Runs once, when the window closes: stops its timers and devices.
    virtual void windowClosing() {}
    void closeEvent(QCloseEvent* event) override;

    MazeState& maze_;
    PlatformServices& services_;
    const ChipSheet chips_;

private:
    std::unique_ptr<WindowMapCanvas> canvas_;
    StatusBar* status_ = nullptr;
    QWidget* openingFocus_ = nullptr;
    bool closed_ = false;
};

} // namespace orvane
