#pragma once

#include "MazeWindow.h"
#include "play/PlayBoard.h"

#include <memory>

class QPushButton;
class QShortcut;

namespace orvane {

class IntervalTimer;
class MusicDevice;
class PictureBox;
class StatusBar;
struct ClockReading;

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

    // How a test play ended.
    enum class TestPlayEnd { Goal, TimeUp, Stopped };
    Q_ENUM(TestPlayEnd)
    // A test play from the editor: the maze the model holds is shown as if
    // just loaded from mazePath (empty when it comes from no file) and played
    // at once. The end of its game, whichever way it comes (the goal, the
    // time-up message closed, Stop, Esc or F5, closing the window), ends the
    // test play: the window closes and testPlayEnded() says how.
    void startTestPlay(const QString& mazePath);
    bool isTestPlay() const { return testPlay_; }

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
    void testPlayEnded(orvane::frmPlay::TestPlayEnd how);

protected:
    void windowClosing() override;
    // Keeps F1, the main window's help key, for the game.
    bool event(QEvent* event) override;

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
    void endTestPlay(TestPlayEnd how);

    PlayBoard board_;
    bool ballOnMap_ = false; // a game started on the maze shown: keys move the ball
    QString mazePath_;       // the maze file loaded last
    bool testPlay_ = false;
    QList<QShortcut*> testPlayKeys_; // Esc and F5, on during a test play only
};

} // namespace orvane
