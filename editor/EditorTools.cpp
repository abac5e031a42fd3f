// The editor's construction tools: the selection, the clipboard with its
// floating paste, turns and mirrors, outlines, flood fills and the picker.

#include "frmEdit.h"

#include "EditorSession.h"
#include "FloatingRegion.h"
#include "MazeState.h"
#include "MazeTextMessages.h"
#include "PictureBox.h"
#include "RegionClipboard.h"
#include "SelectionOverlay.h"
#include "ShapeOutline.h"
#include "StatusBar.h"
#include "VirtualKeys.h"
#include "edit/FloodFill.h"
#include "edit/Picker.h"
#include "edit/RectanglePaint.h"
#include "edit/RegionPlace.h"
#include "edit/SelectionTurn.h"
#include "edit/ShownCells.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QShortcut>

namespace orvane {
QString frmEdit::turnRefusedText()
{
    return tr("回すと選択範囲がマップからはみ出すため、回せません。");
}

QString frmEdit::notMazeTextText(const QString& reason)
{
    return tr("貼り付けられません。クリップボードの内容は迷路テキストではありません (%1)。")
        .arg(reason);
}

QString frmEdit::selectionText(QSize cells)
{
    return tr("選択 %1×%2").arg(cells.width()).arg(cells.height());
}

void frmEdit::connectTools()
{
    selectionOverlay_ = new SelectionOverlay(picMap);
    floating_ = new FloatingRegion(picMap, chips());
    shpWaku->raise(); // the cursor frame over both
    // The tools' keys act on the map and the palette, never in the text boxes.
    const auto key = [this](QKeySequence keys, std::function<void()> action) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, action = std::move(action)] {
            const QWidget* focus = QApplication::focusWidget();
            if (focus == picMap || focus == picChrSet)
                action();
        });
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_A), [this] { selectAll(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_C), [this] { copySelection(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_X), [this] { cutSelection(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_V), [this] { paste(); });
    key(QKeySequence(Qt::Key_Delete), [this] { deleteSelection(); });
    key(QKeySequence(Qt::Key_Escape), [this] { escape(); });
    key(QKeySequence(Qt::Key_R), [this] { turnOrMirror(TurnOrMirror::TurnClockwise); });
    key(QKeySequence(Qt::Key_H), [this] { turnOrMirror(TurnOrMirror::MirrorLeftRight); });
    key(QKeySequence(Qt::Key_V), [this] { turnOrMirror(TurnOrMirror::MirrorTopBottom); });
    key(QKeySequence(Qt::Key_O), [this] { outlineSelection(); });
    key(QKeySequence(Qt::Key_F), [this] { floodFill(frameCell()); });
    key(QKeySequence(Qt::Key_I), [this] { pickChip(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_G), [this] { generateMaze(); });
    key(QKeySequence(Qt::Key_M), [this] { toggleOverview(); });
}

void frmEdit::setSelection(std::optional<QRect> cells)
{
    if (cells && (*cells = shownPart(maze_, *cells)).isEmpty())
        cells.reset();
    selection_ = cells;
    selectionOverlay_->showCells(cells.value_or(QRect()));
    showCursorCell();
}

void frmEdit::selectAll()
{
    setSelection(shownCells(maze_.header));
}

void frmEdit::extendSelection(int arrowKeyCode)
{
    const QPoint from = frameCell();
    if (!selection_)
        selectionAnchor_ = from;
    picMap_KeyDown(arrowKeyCode, 0); // the cursor frame moves on, painting nothing
    setSelection(cellsBetween(selectionAnchor_, frameCell()));
}

void frmEdit::copySelection()
{
    if (!selection_)
        return;
    const Region region = copyRegion(maze_, *selection_);
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(RegionClipboard::MimeType), RegionClipboard::toBytes(region));
    data->setText(QString::fromUtf8(RegionClipboard::toText(region)));
    QApplication::clipboard()->setMimeData(data);
}

void frmEdit::cutSelection()
{
    copySelection();
    deleteSelection();
}

void frmEdit::deleteSelection()
{
    if (!selection_)
        return;
    const QRect cells = *selection_;
    session_.history.step(EditKind::DeleteOrCut, cells,
                          [&] { return PaintRectangle(maze_, mapCanvas(), cells); });
}

void frmEdit::outlineSelection()
{
    if (!selection_)
        return;
    const QRect cells = *selection_;
    session_.history.step(EditKind::Outline, cells,
                          [&] { return PaintOutline(maze_, mapCanvas(), cells); });
}

void frmEdit::paste()
{
    // Our own exact form first; else any maze text, from anywhere.
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QString ownForm = QString::fromLatin1(RegionClipboard::MimeType);
    std::optional<Region> region;
    if (data && data->hasFormat(ownForm))
        region = RegionClipboard::fromBytes(data->data(ownForm));
    if (!region) {
        RegionClipboard::TextRead read =
            RegionClipboard::fromText(data ? data->text().toUtf8() : QByteArray());
        if (!read.region) {
            stb1->setPanelText(notMazeTextText(textProblemText(read.problem)));
            return;
        }
        region = std::move(read.region);
    }
    session_.history.endStep();
    setSelection(std::nullopt);
    floating_->setRegion(std::move(*region));
    floating_->moveToCell(frameCell());
    floating_->show();
    // Its outline is the cursor now. With nothing over it and nothing drawn
    // under it first, a move is a blit of what it shows, and only the strip
    // it uncovers is drawn.
    floating_->raise();
    shpWaku->hide();
}

bool frmEdit::isPasting() const
{
    return !floating_->isHidden();
}

void frmEdit::placePaste()
{
    if (!isPasting())
        return;
    const Region& region = floating_->region();
    const QPoint at = floating_->cell();
    // The markers it holds move the start and goal with it.
    session_.history.step(EditKind::Paste, placedCells(maze_, region, at),
                          [&] { return PlaceRegion(maze_, mapCanvas(), region, at, true); });
    dropPaste();
}

void frmEdit::dropPaste()
{
    floating_->hide();
    shpWaku->show();
}

void frmEdit::escape()
{
    if (isPasting())
        dropPaste();
    else
        setSelection(std::nullopt);
}

void frmEdit::turnOrMirror(TurnOrMirror how)
{
    if (isPasting()) {
        floating_->setRegion(turnedOrMirrored(floating_->region(), how));
        return;
    }
    if (!selection_)
        return;
    const QRect cells = *selection_;
    TurnOrMirrorResult result;
    session_.history.step(EditKind::TurnOrMirror, turnOrMirrorCells(maze_, cells, how), [&] {
        result = TurnOrMirrorSelection(maze_, mapCanvas(), cells, how);
        return result.changed;
    });
    if (result.refusal == TurnRefusal::DoesNotFit)
        stb1->setPanelText(turnRefusedText());
    else
        setSelection(result.selection);
}

void frmEdit::floodFill(QPoint cell)
{
    const FloodArea area = floodArea(maze_, cell);
    if (area.cells.empty())
        return;
    session_.history.step(EditKind::FloodFill, area.bounds,
                          [&] { return FloodFill(maze_, mapCanvas(), area); });
}

void frmEdit::pickChip()
{
    // The cell under the pointer, which the cursor frame shows; the frame's
    // cell when the pointer is off the map.
    if (PickChip(maze_, frameCell()))
        showSelectedChip();
}

} // namespace orvane
