#pragma once

#include "MazeWindow.h"

#include <memory>

class QPushButton;

namespace orvane {

class IntervalTimer;
class MusicDevice;
class PictureBox;
class StatusBar;

// The maze player window: the map view, Load, Play and Stop, the play clock
// and the music device.
class frmPlay : public MazeWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("迷路Player");
    static constexpr QSize ClientSize{651, 530};

    frmPlay(MazeState& maze, PlatformServices& services, QWidget* parent = nullptr);
    ~frmPlay() override;

    // Draws sheet chip (column, row) at cell (x, y) of the map picture.
    void DrawChipPlay(int x, int y, int column, int row) { drawChip(x, y, column, row); }
    // Resizes the map picture and redraws the whole map.
    void RedrawMapPlay(int16_t width, int16_t height) { redrawMap(width, height); }

    // Controls, named as in the window's layout.
    PictureBox* picBack;
    PictureBox* picMap;
    QPushButton* comLoad;
    QPushButton* comPlay;
    QPushButton* comStop;
    PictureBox* picChrSet;
    PictureBox* picChrSetMask;
    IntervalTimer* tim1;
    std::unique_ptr<MusicDevice> MMC1;
    StatusBar* STB1;

protected:
    void windowClosing() override;

private:
    void createControls();
    void setTabOrder();
};

} // namespace orvane
