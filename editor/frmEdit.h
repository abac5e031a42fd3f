#pragma once

#include "MazeConstants.h"
#include "MazeHeader.h"
#include "MazeWindow.h"
#include "WalkSource.h"
#include "generate/Generator.h"

#include <QRect>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class QWheelEvent;

namespace orvane {

class EditorOverview;
class MapOverview;
class MapTools;
class MazeChange;
struct MazeFileProblem;
struct EditorPlace;
enum class EditKind;
class PictureBox;
class RouteOverlay;
class WalkOverlay;
class WalkTracer;
struct TracedWalks;
class ShapeOutline;
class StatusBar;
class EditorSession;
struct EditorView;

// The maze editor window: the map with its scroll bars and cursor frame, the
// chip palette, the size buttons and the maze's title, time limit and music.
class frmEdit : public MazeWindow {
    Q_OBJECT
public:
    static QString caption();
    static constexpr QSize ClientSize{497, 408};
    static constexpr int ViewportCells = 20;   // the map view shows 20 x 20 cells at 16 pixels
    static constexpr int ScrollPageCells = 5;  // a page of the scroll bars, in cells
    static constexpr int TimeBoxMaxLength = 3; // characters the user may type

    // What the window tells the user.
    static QString invalidStartGoalMessage();
    static QString savingText();
    // How a test play ended, shown when the editor is back.
    static QString testPlayGoalText(int secondsUsed, int keysPressed, int fewestKeys);
    static QString testPlayTimeUpText();
    static QString testPlayStoppedText();
    // A music path the maze file cannot hold.
    static QString unstorableMusicPathMessage(const QString& path);
    // Kept work: files that could not be read, and where they went; files a
    // newer version wrote, left as they are; steps of the kept history that
    // could not be taken back; work that cannot be kept, and why.
    static QString keptWorkSetAsideMessage(const QStringList& files);
    static QString keptWorkNewerMessage(const QStringList& files);
    static QString keptStepsDroppedMessage(int steps);
    static QString workNotKeptMessage(const MazeFileProblem& problem, const QString& file);
    // A fresh editor with work to bring back, until the first edit.
    static QString keptWorkText();
    // The name of a palette chip (SelectedChip 1..18): its tooltip.
    static QString chipName(int code);

    // An editor with a session of its own.
    frmEdit(MazeState& maze, PlatformServices& services, QWidget* parent = nullptr);
    // An editor of the maze `session` belongs to; the session outlives it.
    frmEdit(MazeState& maze, PlatformServices& services, EditorSession& session,
            QWidget* parent = nullptr);
    ~frmEdit() override;

    EditorSession& session() { return session_; }

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
    // The arrow keys pick the next palette cell, as a click on it does.
    void picChrSet_KeyDown(int KeyCode, int Shift);

    // The map, the fill and scrolling.
    void picMap_MouseMove(int Button, int Shift, int X, int Y);
    void picMap_Click();
    // The map by keyboard: the arrow keys move the cursor frame (with Shift
    // painting as a drag step), Space and Return click at the cursor cell.
    void picMap_KeyDown(int KeyCode, int Shift);
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

    // Beyond the window's controls, through keys: undo (Ctrl+Z) and redo
    // (Ctrl+Y, Ctrl+Shift+Z) of the editing steps; the test play (F5), which
    // asks for it with testPlayRequested() once the maze passes the save's
    // check; the check on the map (F6), shown or taken away.
    void undo();
    void redo();
    void requestTestPlay();
    void toggleCheck();
    // Where a newcomer gets lost, over the map (F7): the cells the simulated
    // newcomer's walks entered, shaded by how often, the dead ends they
    // walked into and the traps they met; the effort's parts in the status
    // bar. Shift+F7 draws instead the player's own runs of the maze that the
    // records keep. Each key shows its walks or takes them away; they are
    // traced again, off the window's thread, once the maze rests after a
    // change.
    void toggleWalks();
    void toggleRuns();
    WalkSource walksShown() const;
    WalkOverlay& walkOverlay() const { return *walkOverlay_; }
    // Whether walks are being traced or wait for the maze to rest.
    bool tracingWalks() const;
    static QString noRunsText();
    // The construction tools, through keys and the mouse with Ctrl or Shift
    // held (the map's handlers read no modifier); each change they make is
    // one step. The selection, in cells, is no step: it changes nothing.
    MapTools& tools() { return *tools_; }
    void generateMaze();   // Ctrl+G: into the selection, or the whole map
    void toggleOverview(); // M
    void showOverview();
    bool showsOverview() const;
    MapOverview* overview() const; // none before the overview first opens
    // The cell the cursor frame shows.
    QPoint frameCell() const;

    // The view's zoom, a view property: 16 pixels a cell (as every opening
    // starts), 8 or 4, so that the view shows 20, 40 or 80 cells each way.
    // Ctrl+wheel over the map zooms about the cell under the pointer; the
    // keys (Ctrl+plus or Ctrl+=, Ctrl+minus, Ctrl+0 for 16) about the cursor
    // cell. The scroll bars count cells: their range is the map less the
    // cells the view shows at the zoom.
    int zoom() const { return zoom_; }
    int viewCells() const;
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // Zooms to `cellPixels`, keeping `anchorCell` where the view shows it
    // (a cell out of view keeps the view's middle where it is).
    void setZoom(int cellPixels, QPoint anchorCell);
    // Zooms to `cellPixels`, keeping the cell under `inView` (pixels of the
    // view) under it.
    void setZoomAt(int cellPixels, QPoint inView);
    // Scrolls the view by `cells`, as far as the map goes.
    void scrollViewBy(QPoint cells);
    static QString zoomText(int cellPixels);
    // What a tool refuses, in the status bar.
    static QString turnRefusedText();
    static QString notMazeTextText(const QString& reason);
    static QString selectionText(QSize cells);
    static QString unstorableTitleText(const QString& character);

    // Shows again what the editor showed when the test play began, with the
    // status text that says how it ended.
    void showAgain(const QString& statusText);
    // Whether the check's route and traps are shown over the map.
    bool showsCheck() const;

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

signals:
    void testPlayRequested();
    void zoomChanged(int cellPixels);

protected:
    void windowClosing() override;
    // Ends the step of a header box that loses the keyboard focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUp();
    void releaseHistory();
    // Tells what the session has to tell (kept work set aside or not kept).
    void showNotices();
    EditorPlace currentPlace() const;
    void createControls();
    void setTabOrder();
    void connectHandlers();
    void connectKeys();
    void sizeChosen(size_t choice);
    void showSelectedChip();
    // The tooltip of the palette chip at `at`.
    void showChipTip(QPoint at, QPoint globalAt);
    // Scrolls the view as little as shows the cell.
    void scrollToShow(QPoint cell);
    void showTimeLimit();
    // Sets a header field as part of the step of the box that edits it.
    template <typename T> void editHeader(EditKind kind, T MazeHeader::*field, const T& value);
    // Controls that show header values follow an undone or redone step.
    void showChange(const MazeChange& change, bool redo);
    // An edit, undo or redo takes the check's answer and the last status away.
    void mazeEdited();
    EditorView currentView() const;
    QRect cursorCell() const;

    // The tools on the map, which receive its pointer and keys, and their keys.
    void connectTools();
    void showCursorCell();
    void placeCursorFrame(QPoint cell);
    // The scroll bars' range and page for a map of width x height cells.
    void fitScrollBars(int width, int height);
    // Shows the map at `cellPixels` a cell from the top-left cell `scroll`.
    void showZoom(int cellPixels, QPoint scroll);
    void describeZoom();
    // The title box refused a character code page 932 cannot hold.
    void titleRefused(const QString& character);

    std::unique_ptr<EditorSession> ownSession_;
    EditorSession& session_;
    RouteOverlay* routeOverlay_ = nullptr;
    bool checkShown_ = false; // its status text, and its route when there is one
    QString checkText_;       // its status text and tooltip
    QString checkToolTip_;

    void setUpWalks();
    void showWalks(WalkSource source);
    void walksTraced(const TracedWalks& walks);
    WalkOverlay* walkOverlay_ = nullptr;
    WalkTracer* walkTracer_ = nullptr;
    bool walksKeepStatus_ = false; // the next walks traced leave the status text as it is
    QString walksText_;            // their status text and tooltip
    QString walksToolTip_;

    std::unique_ptr<MapTools> tools_; // before the controls it shows on go
    int zoom_ = ChipSize;
    EditorOverview& overviewWiring();
    EditorOverview* overview_ = nullptr;
    std::optional<generate::Request> lastRequest_; // what Ctrl+G offers again
};

} // namespace orvane
