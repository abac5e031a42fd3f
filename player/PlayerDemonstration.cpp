// The player's demonstration (F6) and replay: the ball walks the route of
// the fewest keys, or a game's run, by the game's own rules, and the map is
// put back when it ends. G shows or hides the ghost of a best run.

#include "frmPlay.h"

#include "GhostRuns.h"
#include "MazeState.h"
#include "PictureBox.h"
#include "StatusBar.h"
#include "play/Analysis.h"
#include "play/GameStart.h"
#include "play/KeyStep.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace orvane {

QString frmPlay::demonstrationText()
{
    return tr("見本: Escで止める");
}

QString frmPlay::demonstrationEndText(int keys)
{
    return tr("見本: %1 キーでゴール。キーを押すと元に戻ります").arg(keys);
}

QString frmPlay::noRouteText()
{
    return tr("見本: この迷路にはゴールまでの道がありません");
}

QString frmPlay::replayText()
{
    return tr("リプレイ: Escで止める");
}

QString frmPlay::replayEndText(int seconds, int keys)
{
    return tr("リプレイ: %1秒 %2キーでゴール (Escで戻る)").arg(seconds).arg(keys);
}

QString frmPlay::ghostShownText(bool shown)
{
    return shown ? tr("ゴースト: 次のゲームから自己ベストのゴーストを表示します (Gで切り替え)")
                 : tr("ゴースト: 表示しません (Gで切り替え)");
}

void frmPlay::showMaze(const QString& mazePath)
{
    stopDemonstration();
    showLoadedMaze(mazePath);
}

void frmPlay::toggleGhost()
{
    if (!ghosts_)
        return;
    const bool shown = !ghosts_->shown();
    ghosts_->setShown(shown);
    STB1->setPanelText(ghostShownText(shown));
}

void frmPlay::replay(const GameRun& run)
{
    if (demo_ || !comPlay->isEnabled() || run.empty())
        return;
    walk(run.keys, runKeyTimes(run), replayText());
    demo_->ticks = run.ticks;
}

void frmPlay::demonstrate()
{
    if (demo_) {
        stopDemonstration();
        return;
    }
    // A maze loaded and no game running: Play is what is offered.
    if (!comPlay->isEnabled())
        return;
    const MazeAnalysis analysis = analyseMaze(maze_);
    if (!analysis.solvable) {
        STB1->setPanelText(noRouteText());
        return;
    }
    std::vector<int64_t> times;
    for (size_t i = 1; i <= analysis.route.size(); ++i)
        times.push_back(int64_t(i) * DemonstrationIntervalMs);
    walk(analysis.route, std::move(times), demonstrationText());
}

void frmPlay::walk(const std::string& keys, std::vector<int64_t> times, const QString& status)
{
    demo_ = std::make_unique<Demonstration>();
    demo_->route = keys;
    demo_->times = std::move(times);
    demo_->picture = picMap->image();
    demo_->mapAt = picMap->pos();
    demo_->ball = {maze_.CursorX, maze_.CursorY};
    demo_->status = STB1->panelText();
    // The demonstration draws on a board of its own: what a game drew stays
    // the game's to clean up at its next start.
    demo_->board = board_;
    const QPoint mapAt = StartGame(maze_, demo_->board);
    picMap->Move(mapAt.x(), mapAt.y());
    picMap->Refresh();
    picMap->setFocus();
    STB1->setPanelText(status);
    qApp->installEventFilter(this);
    demo_->clock.start();
    waitForNextKey();
}

void frmPlay::waitForNextKey()
{
    if (demo_ && demo_->pressed < demo_->times.size())
        demoTimer_->start(
            int(std::max<int64_t>(demo_->times[demo_->pressed] - demo_->clock.elapsed(), 0)));
}

void frmPlay::demonstrationStep()
{
    demoTimer_->stop();
    if (!demo_ || demo_->pressed >= demo_->route.size())
        return;
    const size_t pressed = demo_->pressed++;
    const KeyOutcome outcome =
        KeyStep(maze_, demo_->board, directionOfRouteKey(demo_->route[pressed]));
    picMap->Move(picMap->Left() + outcome.viewShift.x(), picMap->Top() + outcome.viewShift.y());
    picMap->Refresh();
    if (!outcome.reachedGoal) {
        waitForNextKey();
        return;
    }
    // The ball rests on the goal until a key ends it.
    if (demo_->ticks.empty())
        STB1->setPanelText(demonstrationEndText(int(pressed) + 1));
    else if (pressed < demo_->ticks.size())
        STB1->setPanelText(replayEndText(demo_->ticks[pressed], int(pressed) + 1));
}

void frmPlay::stopDemonstration()
{
    if (!demo_)
        return;
    demoTimer_->stop();
    qApp->removeEventFilter(this);
    const std::unique_ptr<Demonstration> demo = std::move(demo_);
    maze_.CursorX = int16_t(demo->ball.x());
    maze_.CursorY = int16_t(demo->ball.y());
    picMap->setPicture(demo->picture);
    picMap->Move(demo->mapAt.x(), demo->mapAt.y());
    picMap->Refresh();
    STB1->setPanelText(demo->status);
}

bool frmPlay::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (!demo_ || (type != QEvent::KeyPress && type != QEvent::ShortcutOverride))
        return MazeWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return false;
    // No shortcut takes the key; the key press itself ends the
    // demonstration, unless it is the repeat of the key that started it.
    event->accept();
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyPress && !key->isAutoRepeat())
        stopDemonstration();
    return true;
}

} // namespace orvane
