// The player's demonstration (F6): the ball walks the route of the fewest
// keys by the game's own rules, and the map is put back when it ends.

#include "frmPlay.h"

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
    demo_ = std::make_unique<Demonstration>();
    demo_->route = analysis.route;
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
    STB1->setPanelText(demonstrationText());
    qApp->installEventFilter(this);
    demoTimer_->start(DemonstrationIntervalMs);
}

void frmPlay::demonstrationStep()
{
    if (!demo_ || demo_->pressed >= demo_->route.size()) {
        demoTimer_->stop();
        return;
    }
    const char key = demo_->route[demo_->pressed++];
    const KeyOutcome outcome = KeyStep(maze_, demo_->board, directionOfRouteKey(key));
    picMap->Move(picMap->Left() + outcome.viewShift.x(), picMap->Top() + outcome.viewShift.y());
    picMap->Refresh();
    if (outcome.reachedGoal) { // the ball rests on the goal until a key ends it
        demoTimer_->stop();
        STB1->setPanelText(demonstrationEndText(int(demo_->pressed)));
    }
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
