// The editor's design loop, through keys: undo and redo, the test play and
// the check on the map.

#include "frmEdit.h"

#include "BoxValidators.h"
#include "CheckStatus.h"
#include "Cp932.h"
#include "EditorSession.h"
#include "MazeState.h"
#include "PictureBox.h"
#include "PlatformServices.h"
#include "RouteOverlay.h"
#include "ShapeOutline.h"
#include "StatusBar.h"
#include "edit/SaveCheck.h"
#include "edit/SizeChange.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace orvane {

void frmEdit::undo()
{
    session_.history.undo();
}

void frmEdit::redo()
{
    session_.history.redo();
}

void frmEdit::showChange(const MazeChange& change, bool redo)
{
    const MazeHeader& was = change.header(!redo);
    const MazeHeader& h = maze_.header;
    if (was.Title != h.Title)
        setBoxText(txtTitle, Cp932::toUnicode(h.Title));
    if (was.MusicFile != h.MusicFile)
        txtMusic->setText(Cp932::toUnicode(h.MusicFile));
    if (was.TimeLimit != h.TimeLimit)
        showTimeLimit();
    if (change.changesSize())
        if (const std::optional<size_t> choice = sizeChoiceOf({h.MapWidth, h.MapHeight})) {
            const QSignalBlocker quiet(Option[*choice]);
            Option[*choice]->setChecked(true);
        }
    // From one whole maze to another: where the user stood in it, too.
    if (const std::optional<EditorPlace>& place = change.document(redo).place) {
        scrYoko->setValue(place->scrollX);
        scrTate->setValue(place->scrollY);
        showSelectedChip();
    }
}

void frmEdit::mazeEdited()
{
    checkShown_ = false;
    walksKeepStatus_ = false;
    routeOverlay_->hide();
    stb1->setPanelText(QString());
}

bool frmEdit::showsCheck() const
{
    return routeOverlay_->isShowing();
}

void frmEdit::toggleCheck()
{
    session_.history.endStep();
    if (checkShown_) {
        mazeEdited();
        // The walks' figures, if they are shown, are told again.
        if (walksShown() != WalkSource::None && !tracingWalks())
            stb1->setPanelText(walksText_, walksToolTip_);
        return;
    }
    checkShown_ = true;
    MazeAnalysis analysis = analyseMaze(maze_);
    const CheckStatus status = analysis.valid() ? checkStatus(maze_, analysis)
                                                : CheckStatus{invalidStartGoalMessage(), {}};
    checkText_ = status.text;
    checkToolTip_ = status.toolTip;
    stb1->setPanelText(status.text, status.toolTip);
    if (analysis.valid())
        routeOverlay_->showAnalysis(std::move(analysis), maze_.header);
}

EditorView frmEdit::currentView() const
{
    EditorView v;
    v.title = txtTitle->text();
    v.time = txtTime->text();
    v.noTimeLimit = chkNoTime->isChecked();
    v.music = txtMusic->text();
    for (size_t i = 0; i < Option.size(); ++i)
        if (Option[i]->isChecked())
            v.sizeButton = int(i);
    v.scrollX = scrYoko->value();
    v.scrollY = scrTate->value();
    v.zoom = zoom_;
    v.coordinates = lblZahyou->text();
    v.checkShown = checkShown_;
    v.walks = walksShown();
    v.cursorX = maze_.CursorX;
    v.cursorY = maze_.CursorY;
    v.timeLeft = maze_.TimeLeft;
    return v;
}

void frmEdit::requestTestPlay()
{
    session_.history.endStep();
    if (!StartAndGoalValid(maze_)) {
        services_.messageBox.show(this, invalidStartGoalMessage());
        return;
    }
    session_.view = currentView();
    emit testPlayRequested();
}

void frmEdit::showAgain(const QString& statusText)
{
    const EditorView v = session_.view.value_or(currentView());
    session_.view.reset();
    maze_.CursorX = v.cursorX;
    maze_.CursorY = v.cursorY;
    maze_.TimeLeft = v.timeLeft;
    RedrawMapEdit(maze_.header.MapWidth, maze_.header.MapHeight);
    {
        // The boxes show what they showed; the maze holds what it held.
        const QSignalBlocker title(txtTitle), time(txtTime), noLimit(chkNoTime),
            size(Option[size_t(v.sizeButton)]);
        setBoxText(txtTitle, v.title);
        setBoxText(txtTime, v.time);
        txtTime->setEnabled(!v.noTimeLimit);
        chkNoTime->setChecked(v.noTimeLimit);
        Option[size_t(v.sizeButton)]->setChecked(true);
    }
    txtMusic->setText(v.music);
    scrYoko->setValue(v.scrollX);
    scrTate->setValue(v.scrollY);
    showZoom(v.zoom, {v.scrollX, v.scrollY});
    placeCursorFrame({maze_.CursorX, maze_.CursorY});
    showSelectedChip();
    lblZahyou->setText(v.coordinates);
    picMap->setAccessibleValue(v.coordinates);
    if (v.checkShown)
        toggleCheck();
    if (v.walks != WalkSource::None) {
        showWalks(v.walks);
        walksKeepStatus_ = true; // the test play's end is told
    }
    stb1->setPanelText(statusText);
}

} // namespace orvane
