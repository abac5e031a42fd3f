#include "SelectTool.h"

#include "MazeState.h"
#include "PictureBox.h"
#include "RegionClipboard.h"
#include "SelectionOverlay.h"
#include "StatusBar.h"
#include "edit/EditHistory.h"
#include "edit/ShownCells.h"
#include "edit/ToolSteps.h"
#include "frmEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace orvane {

SelectTool::SelectTool(const ToolContext& context)
    : c_(context), overlay_(new SelectionOverlay(c_.window.picMap))
{
    connect(&c_.state(), &ToolState::selectionChanged, this, &SelectTool::show);
    show();
}

const std::optional<QRect>& SelectTool::cells() const
{
    return c_.state().selection();
}

void SelectTool::show()
{
    overlay_->showCells(cells().value_or(QRect()), c_.window.zoom());
    c_.showCursorCell();
}

void SelectTool::press(QPoint cell)
{
    c_.state().selectBetween(cell, cell, c_.maze.header);
}

void SelectTool::move(QPoint cell, bool dragging)
{
    if (dragging)
        c_.state().selectBetween(c_.state().selectionAnchor(), cell, c_.maze.header);
}

void SelectTool::all()
{
    c_.state().select(shownCells(c_.maze.header), c_.maze.header);
}

void SelectTool::extend(int arrowKeyCode)
{
    const QPoint anchor = cells() ? c_.state().selectionAnchor() : c_.window.frameCell();
    c_.window.picMap_KeyDown(arrowKeyCode, 0); // the cursor frame moves on, painting nothing
    c_.state().selectBetween(anchor, c_.window.frameCell(), c_.maze.header);
}

void SelectTool::copy()
{
    if (!cells())
        return;
    const Region region = copyRegion(c_.maze, *cells());
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(RegionClipboard::MimeType), RegionClipboard::toBytes(region));
    data->setText(QString::fromUtf8(RegionClipboard::toText(region)));
    QApplication::clipboard()->setMimeData(data);
}

void SelectTool::cut()
{
    copy();
    paint();
}

void SelectTool::paint()
{
    PaintSelectionStep(c_.maze, c_.history, c_.canvas);
}

void SelectTool::outline()
{
    OutlineSelectionStep(c_.maze, c_.history, c_.canvas);
}

void SelectTool::turnOrMirror(TurnOrMirror how)
{
    const TurnOrMirrorResult result =
        TurnOrMirrorSelectionStep(c_.maze, c_.history, c_.canvas, how);
    if (result.refusal == TurnRefusal::DoesNotFit)
        c_.window.stb1->setPanelText(frmEdit::turnRefusedText());
}

void SelectTool::drop()
{
    c_.state().select(std::nullopt, c_.maze.header);
}

} // namespace orvane
