#pragma once

#include "MazeWindow.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace orvane {

class PictureBox;
class ShapeOutline;
class StatusBar;

// The maze editor window: the map with its scroll bars and cursor frame, the
// chip palette, the size buttons and the maze's title, time limit and music.
class frmEdit : public MazeWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("迷路Editor");
    static constexpr QSize ClientSize{497, 408};
    static constexpr int ViewportCells = 20; // the map view shows 20 x 20 cells

    frmEdit(MazeState& maze, PlatformServices& services, QWidget* parent = nullptr);

    // Draws sheet chip (column, row) at cell (x, y) of the map picture.
    void DrawChipEdit(int x, int y, int column, int row) { drawChip(x, y, column, row); }
    // Resizes the map picture and the scroll bars and redraws the whole map.
    void RedrawMapEdit(int16_t width, int16_t height) { redrawMap(width, height); }

    // Controls, named as in the window's layout.
    QLabel* Label2;
    QLineEdit* txtTitle;
    QLabel* Label7;
    QLabel* lblZahyou;
    PictureBox* picBack;
    PictureBox* picMap;
    ShapeOutline* shpWaku;
    QScrollBar* scrTate;
    QScrollBar* scrYoko;
    QPushButton* Command1;
    QLabel* Label1;
    PictureBox* picChrSet;
    ShapeOutline* shpSWaku;
    PictureBox* picChrSetMask;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 8> Option; // Option1 .. Option8
    QLabel* Label3;
    QLineEdit* txtTime;
    QCheckBox* chkNoTime;
    QLabel* Label5;
    QLineEdit* txtMusic;
    QPushButton* Command2;
    QPushButton* comFull;
    QPushButton* Command3;
    QPushButton* Command4;
    StatusBar* stb1;

private:
    void createControls();
    void setTabOrder();
};

} // namespace orvane
