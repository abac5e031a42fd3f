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
    static constexpr int ViewportCells = 20;   // the map view shows 20 x 20 cells
    static constexpr int TimeBoxMaxLength = 3; // characters the user may type

    // What the window tells the user.
    static inline const QString InvalidStartGoalMessage =
        QStringLiteral("スタート位置、またはゴール位置が不正です。");
    static inline const QString SavingText = QStringLiteral("保存中です");
    // A music path the maze file cannot hold.
    static QString unstorableMusicPathMessage(const QString& path);

    frmEdit(MazeState& maze, PlatformServices& services, QWidget* parent = nullptr);

    // Draws sheet chip (column, row) at cell (x, y) of the map picture.
    void DrawChipEdit(int x, int y, int column, int row) { drawChip(x, y, column, row); }
    // Resizes the map picture and the scroll bars and redraws the whole map.
    void RedrawMapEdit(int16_t width, int16_t height) { redrawMap(width, height); }

    // The window's opening: a fresh 32 x 32 maze.
    void Form_Load();

    // The size buttons.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();

    // The palette. Button and Shift as the pointer events give them
    // (MouseButton bits; 1 Shift, 2 Ctrl, 4 Alt), X and Y in pixels.
    void picChrSet_MouseMove(int Button, int Shift, int X, int Y);
    void picChrSet_Click();

    // The map, the fill and scrolling.
    void picMap_MouseMove(int Button, int Shift, int X, int Y);
    void picMap_Click();
    void comFull_Click();
    void scrTate_Change();
    void scrTate_Scroll();
    void scrYoko_Change();
    void scrYoko_Scroll();

    // Title, time limit, music, save and load.
    void txtTitle_Change();
    void txtTime_Change();
    void chkNoTime_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

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
    void connectHandlers();
    void sizeChosen(size_t choice);
    void showTimeLimit();
};

} // namespace orvane
