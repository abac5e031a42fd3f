// The walks on the map: where a newcomer gets lost (F7) and the player's own
// recorded runs (Shift+F7), traced off the window's thread.

#include "frmEdit.h"

#include "CheckStatus.h"
#include "EditorSession.h"
#include "PictureBox.h"
#include "RouteOverlay.h"
#include "StatusBar.h"
#include "WalkOverlay.h"
#include "WalkTracer.h"

#include <QDir>

#include <utility>

namespace orvane {
namespace {

QString newcomerLegend()
{
    return frmEdit::tr(
        "マップの上: 初めての人が歩いたマス (何度も歩いたほど濃く、いちばん少ないキーの"
        "道順は除く)、黄色の枠は入り込んだ行き止まり、紫の輪ははまったわな");
}

QString runsLegend()
{
    return frmEdit::tr("マップの上: 記録に残る自分のランが通ったマス (何度も通ったほど濃く)、"
                       "黄色の枠は引き返した行き止まり");
}

QString recordsText(const TracedWalks& w, const QString& file)
{
    const QString shown = QDir::toNativeSeparators(file);
    if (!w.load.setAsideAs.isEmpty())
        return frmEdit::tr("記録のファイル「%1」が壊れていたため、「%2」に移しました")
            .arg(shown, QDir::toNativeSeparators(w.load.setAsideAs));
    if (w.load.problem != Records::Load::Problem::None)
        return frmEdit::tr("記録のファイル「%1」を読めません").arg(shown);
    if (w.runs == 0 || !w.best)
        return frmEdit::noRunsText();
    return frmEdit::tr("自分のラン %1本 (ベスト %2秒、%3キー)")
        .arg(w.runs)
        .arg(w.best->time.value)
        .arg(w.best->keys.value);
}

} // namespace

QString frmEdit::noRunsText()
{
    return tr("この迷路のランは記録にありません (ゴールしたゲームのランが残ります)");
}

void frmEdit::setUpWalks()
{
    walkOverlay_ = new WalkOverlay(picMap);
    walkOverlay_->stackUnder(routeOverlay_); // the route over the walks
    walkTracer_ = new WalkTracer(maze_, WalkTracer::DefaultPause, this);
    connect(walkTracer_, &WalkTracer::traced, this, &frmEdit::walksTraced);
    connect(&session_.history, &EditHistory::changed, walkTracer_, &WalkTracer::mazeChanged);
}

WalkSource frmEdit::walksShown() const
{
    return walkTracer_->source();
}

bool frmEdit::tracingWalks() const
{
    return walkTracer_->busy();
}

void frmEdit::toggleWalks()
{
    showWalks(WalkSource::Newcomer);
}

void frmEdit::toggleRuns()
{
    showWalks(WalkSource::Runs);
}

void frmEdit::showWalks(WalkSource source)
{
    session_.history.endStep();
    walksKeepStatus_ = false;
    if (walkTracer_->source() != source) {
        walkTracer_->trace(source, session_.recordsFile);
        return;
    }
    walkTracer_->trace(WalkSource::None);
    walkOverlay_->hide();
    // The check's answer, if it is shown, is told again.
    if (checkShown_)
        stb1->setPanelText(checkText_, checkToolTip_);
    else
        stb1->setPanelText(QString());
}

void frmEdit::walksTraced(const TracedWalks& w)
{
    QString& text = walksText_;
    QString& toolTip = walksToolTip_;
    toolTip.clear();
    if (!w.valid) {
        text = invalidStartGoalMessage();
    } else if (w.source == WalkSource::Runs) {
        text = recordsText(w, session_.recordsFile);
        toolTip = w.runs > 0 ? runsLegend() : QString();
    } else if (w.difficulty.grade) {
        text = effortPartsText(w.difficulty);
        toolTip = difficultyMeasuresText(w.difficulty) + u'\n' + newcomerLegend();
    } else {
        text = tr("解けない迷路なので、初めての人は歩きません");
    }
    const QColor shade = w.source == WalkSource::Runs ? RunShade : NewcomerShade;
    walkOverlay_->showPicture(TracePicture(w.trace, w.route, shade));
    if (!std::exchange(walksKeepStatus_, false))
        stb1->setPanelText(text, toolTip);
}

} // namespace orvane
