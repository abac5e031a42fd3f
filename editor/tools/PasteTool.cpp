#include "PasteTool.h"

#include "FloatingRegion.h"
#include "MazeState.h"
#include "MazeTextMessages.h"
#include "PictureBox.h"
#include "RegionClipboard.h"
#include "ShapeOutline.h"
#include "StatusBar.h"
#include "VirtualKeys.h"
#include "edit/EditHistory.h"
#include "edit/ToolSteps.h"
#include "frmEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace orvane {

PasteTool::PasteTool(const ToolContext& context)
    : c_(context), floating_(new FloatingRegion(c_.window.picMap, c_.window.chips()))
{
    connect(&c_.state(), &ToolState::pasteChanged, this, &PasteTool::show);
    connect(&c_.state(), &ToolState::pasteMoved, this,
            [this] { floating_->moveToCell(c_.state().paste()->cell); });
    show();
}

bool PasteTool::isActive() const
{
    return c_.state().paste().has_value();
}

void PasteTool::show()
{
    const std::optional<FloatingPaste>& paste = c_.state().paste();
    emit activeChanged(paste.has_value());
    if (!paste) {
        floating_->hide();
        c_.window.shpWaku->show();
        return;
    }
    floating_->setCellPixels(c_.window.zoom());
    floating_->setRegion(paste->region);
    floating_->moveToCell(paste->cell);
    floating_->show();
    // Its outline is the cursor now. With nothing over it and nothing drawn
    // under it first, a move is a blit of what it shows, and only the strip
    // it uncovers is drawn.
    floating_->raise();
    c_.window.shpWaku->hide();
}

void PasteTool::paste()
{
    // Our own exact form first; else any maze text, from anywhere.
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QString ownForm = QString::fromLatin1(RegionClipboard::MimeType);
    std::optional<Region> region;
    if (data && data->hasFormat(ownForm))
        region = RegionClipboard::fromBytes(data->data(ownForm));
    if (!region) {
        // Another program's text, however long: bounded before it is converted.
        RegionClipboard::TextRead read =
            RegionClipboard::fromClipboardText(data ? data->text() : QString());
        if (!read.region) {
            c_.window.stb1->setPanelText(frmEdit::notMazeTextText(textProblemText(read.problem)));
            return;
        }
        region = std::move(read.region);
    }
    c_.history.endStep();
    c_.state().select(std::nullopt, c_.maze.header);
    c_.state().startPaste(std::move(*region), c_.window.frameCell());
}

void PasteTool::place()
{
    PlacePasteStep(c_.maze, c_.history, c_.canvas);
}

void PasteTool::drop()
{
    c_.state().dropPaste();
}

void PasteTool::turnOrMirror(TurnOrMirror how)
{
    c_.state().turnOrMirrorPaste(how);
}

void PasteTool::follow(QPoint cell)
{
    c_.state().movePaste(cell);
}

bool PasteTool::key(int keyCode)
{
    if (!isActive())
        return false;
    if (keyCode == VirtualKey::Return || keyCode == VirtualKey::Space) {
        place();
        return true;
    }
    if (keyCode < VirtualKey::Left || keyCode > VirtualKey::Down)
        return false;
    c_.window.picMap_KeyDown(keyCode, 0); // the frame, and the paste with it
    follow(c_.window.frameCell());
    return true;
}

} // namespace orvane
