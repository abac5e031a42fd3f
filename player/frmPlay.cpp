#include "frmPlay.h"

#include "Cp932.h"
#include "FileFilters.h"
#include "GhostRuns.h"
#include "IntervalTimer.h"
#include "MazeState.h"
#include "MusicDevice.h"
#include "MusicFileLookup.h"
#include "PictureBox.h"
#include "PlatformServices.h"
#include "PlayerGhost.h"
#include "StatusBar.h"
#include "VirtualKeys.h"
#include "WindowTitle.h"
#include "play/GameStart.h"
#include "play/KeyStep.h"
#include "play/PlayClock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace orvane {
namespace {

// The arrow keys move the ball; any other key moves nothing.
std::optional<Direction> directionOfKey(int keyCode)
{
    switch (keyCode) {
    case VirtualKey::Up:
        return Direction::Up;
    case VirtualKey::Down:
        return Direction::Down;
    case VirtualKey::Left:
        return Direction::Left;
    case VirtualKey::Right:
        return Direction::Right;
    default:
        return std::nullopt;
    }
}

// Shift, Ctrl or Alt alone is no key the player chose to press.
bool isModifierKey(int keyCode)
{
    return keyCode == VirtualKey::Shift || keyCode == VirtualKey::Control ||
           keyCode == VirtualKey::Alt;
}

} // namespace

QString frmPlay::caption()
{
    return tr("迷路Player");
}

QString frmPlay::noLimitText()
{
    return tr("制限時間無し");
}

QString frmPlay::timeUpText()
{
    return tr("時間切れ");
}

QString frmPlay::testPlayCaptionText()
{
    return tr(" (テストプレイ: Escで戻る)");
}

QString frmPlay::timeLeftText(int seconds)
{
    return tr("残り%1秒").arg(seconds);
}

frmPlay::frmPlay(MazeState& maze, PlatformServices& services, QWidget* parent)
    : MazeWindow(maze, services, caption(), ClientSize, parent)
{
    createControls();
    setTabOrder();
    attachMap(*picMap, *STB1);
    board_ = PlayBoard(&mapCanvas());
    demoTimer_ = new QTimer(this);
    demoTimer_->setSingleShot(true);
    ghost_ = new PlayerGhost(picMap, chips());
    setOpeningFocus(picBack);
    connectHandlers();
}

frmPlay::~frmPlay() = default;

bool frmPlay::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F1 ||
            ((key == Qt::Key_F6 || key == Qt::Key_G || key == Qt::Key_L) && gameRuns())) {
            event->accept();
            return true;
        }
    }
    return MazeWindow::event(event);
}

bool frmPlay::gameRuns() const
{
    return comStop->isEnabled();
}

void frmPlay::connectHandlers()
{
    connect(comLoad, &QPushButton::clicked, this, &frmPlay::comLoad_Click);
    connect(comPlay, &QPushButton::clicked, this, &frmPlay::comPlay_Click);
    connect(comStop, &QPushButton::clicked, this, &frmPlay::comStop_Click);
    connect(picMap, &PictureBox::keyDown, this, &frmPlay::picMap_KeyDown);
    connect(tim1, &IntervalTimer::Timer, this, &frmPlay::tim1_Timer);
    connect(MMC1.get(), &MusicDevice::done, this, &frmPlay::MMC1_Done);

    // In a test play Esc and F5 stop the game (and the test play); in any
    // other game they are keys like any other.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_F5)}) {
        auto* key = new QShortcut(keys, this);
        key->setContext(Qt::WidgetWithChildrenShortcut);
        key->setEnabled(false);
        connect(key, &QShortcut::activated, this, &frmPlay::comStop_Click);
        testPlayKeys_ << key;
    }
    // F6 shows the demonstration; while a game runs it is a key of the game.
    auto* demoKey = new QShortcut(QKeySequence(Qt::Key_F6), this);
    demoKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(demoKey, &QShortcut::activated, this, &frmPlay::demonstrate);
    connect(demoTimer_, &QTimer::timeout, this, &frmPlay::demonstrationStep);
    // L asks for the level list; while a game runs it is a key of the game.
    auto* listKey = new QShortcut(QKeySequence(Qt::Key_L), this);
    listKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(listKey, &QShortcut::activated, this, [this] { emit levelListRequested(mazePath_); });
    // G shows or hides the ghost; while a game runs it is a key of the game.
    auto* ghostKey = new QShortcut(QKeySequence(Qt::Key_G), this);
    ghostKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(ghostKey, &QShortcut::activated, this, &frmPlay::toggleGhost);
}

void frmPlay::comLoad_Click()
{
    stopDemonstration();
    if (const std::optional<QString> path =
            services_.fileDialog.showOpen(this, mazeFileFilter(), {FileDialogUse::LoadMaze}))
        loadMaze(*path);
}

bool frmPlay::loadMaze(const QString& path)
{
    stopDemonstration();
    if (!loadMazeFile(path))
        return false;
    showLoadedMaze(path);
    return true;
}

void frmPlay::showLoadedMaze(const QString& path)
{
    mazePath_ = path;
    RedrawMapPlay(maze_.header.MapWidth, maze_.header.MapHeight);
    board_.forget();
    ballOnMap_ = false;
    STB1->setPanelText(QString());
    comPlay->setEnabled(true);
}

void frmPlay::playMaze(const QString& mazePath)
{
    stopDemonstration();
    showLoadedMaze(mazePath);
    comPlay_Click();
}

void frmPlay::startTestPlay(const QString& mazePath)
{
    testPlay_ = true;
    for (QShortcut* key : testPlayKeys_)
        key->setEnabled(true);
    playMaze(mazePath);
}

void frmPlay::endGame(GameOutcome::End end)
{
    ghost_->stop();
    const GameOutcome outcome{end, clockTicks_, keysPressed_, mazePath_,
                              runKept_ ? run_ : GameRun{}};
    if (std::exchange(testPlay_, false)) {
        close();
        emit testPlayEnded(outcome);
        return;
    }
    if (end == GameOutcome::End::Goal)
        close();
    emit gameEnded(outcome);
}

void frmPlay::comPlay_Click()
{
    stopDemonstration();
    const QString title = Cp932::toUnicode(maze_.header.Title);
    // Japanese joins the two as they are; a translation may put a separator between.
    const QString caption =
        title.isEmpty()
            ? frmPlay::caption()
            : tr("%1%2", "caption, then the maze's title").arg(frmPlay::caption(), title);
    setWindowTitle(literalWindowTitle(testPlay_ ? caption + testPlayCaptionText() : caption));
    comLoad->setEnabled(false);
    comPlay->setEnabled(false);
    comStop->setEnabled(true);
    const QPoint mapAt = StartGame(maze_, board_);
    ballOnMap_ = true;
    picMap->Move(mapAt.x(), mapAt.y());
    picMap->Refresh();
    picMap->setFocus();
    showClock(StartClock(maze_));
    clockTicks_ = 0;
    keysPressed_ = 0;
    run_.clear();
    runKept_ = true;
    tim1->setInterval(ClockIntervalMs);
    if (ghosts_ && ghosts_->shown()) {
        if (const GameRun best = ghosts_->bestRun(maze_); !best.empty())
            ghost_->start(maze_, best);
    }
    if (!maze_.header.MusicFile.isEmpty()) {
        MMC1->setDeviceType(MusicDevice::Sequencer);
        MMC1->setFileName(musicPath());
        sendMusic({MusicDevice::Open, MusicDevice::Prev, MusicDevice::Play});
    }
}

void frmPlay::comStop_Click()
{
    stopGame();
    endGame(GameOutcome::End::Stopped);
}

void frmPlay::stopGame()
{
    ghost_->stop();
    tim1->setInterval(0);
    comPlay->setEnabled(true);
    comLoad->setEnabled(true);
    comStop->setEnabled(false);
    // After Play is enabled: the Done this may raise does not restart the music.
    sendMusic({MusicDevice::Stop});
    STB1->setPanelText(QString());
    picMap->Move(0, 0);
}

void frmPlay::MMC1_Done(int /*notifyCode*/)
{
    if (!MMC1)
        return;
    const bool gameRuns = !comPlay->isEnabled();
    sendMusic({MusicDevice::Close});
    MMC1->setDeviceType(MusicDevice::Sequencer);
    MMC1->setFileName(musicPath());
    sendMusic({MusicDevice::Open, MusicDevice::Prev});
    if (gameRuns)
        sendMusic({MusicDevice::Play});
}

void frmPlay::picMap_KeyDown(int KeyCode, int /*Shift*/)
{
    // Before the first game on the maze shown there is no ball to move: a
    // key that reaches the map (Tab to it, then Space) would otherwise run
    // the goal test on whatever the model holds and close the window.
    if (!ballOnMap_)
        return;
    const bool inGame = gameRuns();
    const std::optional<Direction> key = directionOfKey(KeyCode);
    const KeyOutcome outcome = KeyStep(maze_, board_, key);
    // A modifier key alone counts only when it did what a key does: it set
    // off the arrow under the ball, or it ended the game on the goal.
    if (inGame && (!isModifierKey(KeyCode) || outcome.steps > 0 || outcome.reachedGoal))
        countKey(key);
    if (!outcome.viewShift.isNull())
        picMap->Move(picMap->Left() + outcome.viewShift.x(), picMap->Top() + outcome.viewShift.y());
    if (outcome.reachedGoal) {
        // A goal reached after the game ended (the rules stay on) closes
        // the window as well, but finishes no game.
        if (inGame)
            endGame(GameOutcome::End::Goal);
        else
            close();
        return;
    }
    picMap->Refresh();
}

void frmPlay::countKey(std::optional<Direction> key)
{
    ++keysPressed_;
    if (!runKept_)
        return;
    if (run_.size() >= maxRunKeys(maze_.header.TimeLimit)) {
        runKept_ = false; // too long to keep: none
        run_.clear();
        return;
    }
    run_.keys += runKeyOf(key);
    run_.ticks.push_back(clockTicks_);
}

void frmPlay::tim1_Timer()
{
    ++clockTicks_;
    ghost_->clockTicked(clockTicks_);
    const ClockTickOutcome tick = ClockTick(maze_);
    if (!tick.counted)
        return;
    showClock(tick.reading);
    services_.beep.beep();
    if (!tick.timeUp)
        return;
    tim1->setInterval(0); // no second time-up while the message is open
    services_.messageBox.show(this, timeUpText());
    if (isClosed())
        return;
    stopGame();
    endGame(GameOutcome::End::TimeUp);
}

void frmPlay::showClock(const ClockReading& reading)
{
    STB1->setPanelText(reading.limited ? timeLeftText(reading.secondsLeft) : noLimitText());
}

QString frmPlay::musicPath() const
{
    return lookUpMusicFile(Cp932::toUnicode(maze_.header.MusicFile), mazePath_);
}

void frmPlay::sendMusic(std::initializer_list<QString> commands)
{
    if (!MMC1)
        return; // closed with the window
    for (const QString& command : commands)
        MMC1->command(command);
}

void frmPlay::windowClosing()
{
    if (std::exchange(testPlay_, false))
        emit testPlayEnded({GameOutcome::End::Stopped, clockTicks_, keysPressed_, mazePath_});
    demoTimer_->stop();
    ghost_->stop();
    qApp->removeEventFilter(this);
    tim1->setInterval(0);
    if (MMC1) {
        MMC1->disconnect(this);
        MMC1->command(MusicDevice::Close);
        MMC1.reset();
    }
}

} // namespace orvane
