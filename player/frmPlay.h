#pragma once

#include "MazeWindow.h"
#include "play/GameRun.h"
#include "play/PlayBoard.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMetaType>

#include <memory>
#include <string>

class QPushButton;
class QShortcut;
class QTimer;

namespace orvane {

class GhostRuns;
class IntervalTimer;
class MusicDevice;
class PictureBox;
class PlayerGhost;
class StatusBar;
struct ClockReading;

// How a game ended, and what it took.
struct GameOutcome {
    enum class End { Goal, TimeUp, Stopped };
    End end = End::Stopped;
    int clockTicks = 0;  // the play clock's ticks, one a second
    int keysPressed = 0; // the keys the game took, a modifier key alone aside
    QString mazePath;    // the file the maze was loaded from, if any
    GameRun run = {};    // the keys and the tick of each; empty past the maze's maxRunKeys
};

// The maze player window: the map view, Load, Play and Stop, the play clock
// and the music device. The handlers carry out what the rules in maze/play
// decide.
class frmPlay : public MazeWindow {
    Q_OBJECT
public:
    static QString caption();
    static QString noLimitText();
    static QString timeUpText();
    // Ends the caption in a test play.
    static QString testPlayCaptionText();
    static constexpr QSize ClientSize{651, 530};
    static constexpr int ClockIntervalMs = 1000;

    // "残り" n "秒": n seconds left.
    static QString timeLeftText(int seconds);
    // The demonstration's status text, the one when its ball rests on the
    // goal after `keys` keys, and the one for a maze without a route.
    static QString demonstrationText();
    static QString demonstrationEndText(int keys);
    static QString noRouteText();
    // The demonstration walks the route at the pace `check` times routes at.
    static constexpr int DemonstrationIntervalMs = 250;
    // The replay's status texts while it walks, and once it is at the goal.
    static QString replayText();
    static QString replayEndText(int seconds, int keys);
    // What G says it did.
    static QString ghostShownText(bool shown);

    frmPlay(MazeState& maze, PlatformServices& services, QWidget* parent = nullptr);
    ~frmPlay() override;

    // Handlers, named after the control and the event.
    void comLoad_Click();
    void comPlay_Click();
    void comStop_Click();
    void MMC1_Done(int notifyCode);
    void picMap_KeyDown(int KeyCode, int Shift);
    void tim1_Timer();

    // Loads a maze file as Load does once a file is chosen. A refused file is
    // reported and changes nothing; returns whether the maze was loaded.
    bool loadMaze(const QString& path);

    // Shows the maze the model holds as if just loaded from mazePath (empty
    // when it comes from no file) and starts a game on it.
    void playMaze(const QString& mazePath);
    // A test play from the editor: the maze the model holds, played as
    // playMaze() plays it. The end of its game, whichever way it comes (the
    // goal, the time-up message closed, Stop, Esc or F5, closing the
    // window), ends the test play: the window closes and testPlayEnded()
    // says how.
    void startTestPlay(const QString& mazePath);
    bool isTestPlay() const { return testPlay_; }
    bool gameRuns() const;

    // F6 with a maze loaded and no game running: the ball walks the route of
    // the fewest keys, a key each DemonstrationIntervalMs, by the game's
    // rules and drawn as a game draws, the view following it. No clock, no
    // music. Any key ends it, and the map, the view and the status text are
    // back as they were.
    void demonstrate();
    void demonstrationStep();
    void stopDemonstration();
    bool isDemonstrating() const { return demo_ != nullptr; }

    // Shows the maze the model holds as if just loaded from mazePath, no
    // game started.
    void showMaze(const QString& mazePath);
    // With no game running: the run walks again as the demonstration walks
    // (and ends as it does), each key at its time in the game, the keys of a
    // second spread over it; the status says where it ended.
    void replay(const GameRun& run);

    // Where games find the ghost of the maze's best run; none: no ghost.
    void setGhostRuns(GhostRuns* ghosts) { ghosts_ = ghosts; }
    // G with no game running: the ghost shown from the next game on, or not.
    void toggleGhost();
    const PlayerGhost& ghost() const { return *ghost_; }

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

signals:
    void testPlayEnded(const orvane::GameOutcome& outcome);
    // A game that is no test play ended; at the goal the window has closed.
    void gameEnded(const orvane::GameOutcome& outcome);
    // L with no game running: the level list of the maze's folder is asked
    // for (`mazePath` is the maze file loaded, if any).
    void levelListRequested(const QString& mazePath);

protected:
    void windowClosing() override;
    // Keeps F1, the main window's help key, for the game, and F6, G and L
    // while a game runs.
    bool event(QEvent* event) override;
    // While a demonstration is shown: any key pressed in the window ends it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void setTabOrder();
    void connectHandlers();
    // Stop's steps, which the time-up shares: clock off, buttons back, music
    // stopped, status cleared, view back at its origin.
    void stopGame();
    void showClock(const ClockReading& reading);
    // The maze's music file as it is found here.
    QString musicPath() const;
    void sendMusic(std::initializer_list<QString> commands);
    void showLoadedMaze(const QString& path);
    // Tells how the game ended: a test play ends with it, the goal closes the window.
    void endGame(GameOutcome::End end);
    // A key the game took, kept in its run.
    void countKey(std::optional<Direction> key);
    // Walks `keys` as the demonstration does, key i at times[i] ms.
    void walk(const std::string& keys, std::vector<int64_t> times, const QString& status);
    void waitForNextKey();

    // A demonstration or a replay shown: its keys and when each is pressed,
    // the keys pressed so far, and what to put back when it ends.
    struct Demonstration {
        std::string route;
        std::vector<int64_t> times;
        QElapsedTimer clock;
        std::vector<int> ticks; // a replay's, to tell its end
        size_t pressed = 0;
        PlayBoard board;
        QImage picture;
        QPoint mapAt;
        QPoint ball;
        QString status;
    };

    PlayBoard board_;
    bool ballOnMap_ = false; // a game started on the maze shown: keys move the ball
    QString mazePath_;       // the maze file loaded last
    bool testPlay_ = false;
    QList<QShortcut*> testPlayKeys_; // Esc and F5, on during a test play only
    int clockTicks_ = 0;             // of the game running or the last one
    int keysPressed_ = 0;
    GameRun run_;
    bool runKept_ = false; // the run is within the maze's bound
    std::unique_ptr<Demonstration> demo_;
    QTimer* demoTimer_;
    GhostRuns* ghosts_ = nullptr;
    PlayerGhost* ghost_;
};

} // namespace orvane

Q_DECLARE_METATYPE(orvane::GameOutcome)
