#pragma once

#include "MazeHeader.h"
#include "MazeWindow.h"
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
class FloatingRegion;
class MapOverview;
class MazeChange;
class SelectionOverlay;
enum class Turn;
struct MazeFileProblem;
struct EditorPlace;
enum class EditKind;
class PictureBox;
class RouteOverlay;
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
    static constexpr int ViewportCells = 20;   // the map view shows 20 x 20 cells
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
    // The construction tools, through keys and the mouse with Ctrl or Shift
    // held (the specified handlers read no modifier); each change they make
    // is one step. The selection, in cells, is no step: it changes nothing.
    const std::optional<QRect>& selection() const { return selection_; }
    void selectAll();                       // Ctrl+A
    void extendSelection(int arrowKeyCode); // Ctrl+Shift+arrow, from the cursor cell
    void copySelection();                   // Ctrl+C
    void cutSelection();                    // Ctrl+X
    void deleteSelection();                 // Delete
    void paste();                           // Ctrl+V: the clipboard's region floats
    bool isPasting() const;
    void placePaste();           // a click or Enter
    void escape();               // Esc: drops the paste, else the selection
    void turn(Turn how);         // R, H, V: the selection or the paste
    void outlineSelection();     // O
    void floodFill(QPoint cell); // F at the cursor cell, Ctrl+Shift+click
    void pickChip();             // I
    void generateMaze();         // Ctrl+G: into the selection, or the whole map
    void toggleOverview();       // M
    void showOverview();
    bool showsOverview() const;
    MapOverview* overview() const; // none before the overview first opens
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

    // The tools on the map: a press decides what the gesture is (the
    // specified painting without Ctrl or Shift), which the moves, the click
    // and the release then carry on.
    enum class Gesture { None, Paint, Select, Line, Flood, Place };
    void connectTools();
    void connectGestures();
    // The Button argument of the pointer handlers.
    static int buttonState(Qt::MouseButtons buttons);
    void mapPressed(Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at);
    void mapMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at);
    void mapClicked();
    void mapReleased();
    // A key on the map for a tool (the paste, Ctrl+Shift+arrows); false
    // when it is the map's own.
    bool toolKeyDown(int keyCode, int shift);
    void setSelection(std::optional<QRect> cells);
    void dropPaste();
    void showCursorCell();
    // The cell the cursor frame shows.
    QPoint frameCell() const;
    // A drag or a selection at the view's edge scrolls the map on.
    void scrollAtEdge(QPoint inView, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys);
    void scrollByWheel(const QWheelEvent& wheel);
    // The title box refused a character code page 932 cannot hold.
    void titleRefused(const QString& character);

    std::unique_ptr<EditorSession> ownSession_;
    EditorSession& session_;
    RouteOverlay* routeOverlay_ = nullptr;
    bool checkShown_ = false; // its status text, and its route when there is one

    SelectionOverlay* selectionOverlay_ = nullptr;
    FloatingRegion* floating_ = nullptr;
    std::optional<QRect> selection_;
    QPoint selectionAnchor_;
    Gesture gesture_ = Gesture::None;
    std::optional<QPoint> dragFrom_;    // the cell a drag painted last
    std::optional<QPoint> lastPainted_; // where Shift+click's line starts
    QTimer* edgeScroll_ = nullptr;
    QPoint edgeStep_;    // the way the edge scroll goes, in cells
    QPoint edgePointer_; // where the pointer stands in the view
    Qt::MouseButtons edgeButtons_;
    Qt::KeyboardModifiers edgeKeys_;
    int wheelAngle_ = 0; // a part of a wheel notch not scrolled yet
    EditorOverview& overviewWiring();
    EditorOverview* overview_ = nullptr;
    std::optional<generate::Request> lastRequest_; // what Ctrl+G offers again
};

} // namespace orvane
