// The editor's opening, palette, size buttons, map painting and scrolling,
// by the mouse and by the keyboard.

#include "frmEdit.h"

#include "EditorSession.h"
#include "MapTools.h"
#include "MazeState.h"
#include "MouseConversions.h"
#include "PictureBox.h"
#include "ShapeOutline.h"
#include "SheetCells.h"
#include "StatusBar.h"
#include "UiFonts.h"
#include "VirtualKeys.h"
#include "edit/Fill.h"
#include "edit/FreshMaze.h"
#include "edit/Paint.h"
#include "edit/SizeChange.h"

#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <optional>

namespace orvane {
namespace {

// The way an arrow key moves a frame, one cell.
std::optional<QPoint> arrowStep(int keyCode)
{
    switch (keyCode) {
    case VirtualKey::Left:
        return QPoint(-1, 0);
    case VirtualKey::Right:
        return QPoint(1, 0);
    case VirtualKey::Up:
        return QPoint(0, -1);
    case VirtualKey::Down:
        return QPoint(0, 1);
    default:
        return std::nullopt;
    }
}

// Shows a label's whole text, in a narrower font where it is too small.
void fitLabelText(QLabel* label)
{
    const QFont fitted = UiFonts::fittedFont(label->parentWidget()->font(), label->text(),
                                             label->contentsRect().width());
    if (label->font() != fitted)
        label->setFont(fitted);
}

// The cell of a grid of `columns` x `rows` cells nearest to `cell`.
QPoint inside(QPoint cell, int columns, int rows)
{
    return {std::clamp(cell.x(), 0, std::max(columns - 1, 0)),
            std::clamp(cell.y(), 0, std::max(rows - 1, 0))};
}

} // namespace

void frmEdit::Form_Load()
{
    OpenFreshMaze(maze_, mapCanvas());
    showSelectedChip();
    // The maze the editor had is one undo away: said until the first edit.
    if (session_.freshMazeOpened())
        stb1->setPanelText(keptWorkText());
}

void frmEdit::showSelectedChip()
{
    shpSWaku->move(ChipSize * maze_.ChipCol, ChipSize * maze_.ChipRow);
    picChrSet->setAccessibleValue(chipName(maze_.SelectedChip));
}

void frmEdit::sizeChosen(size_t choice)
{
    const MapSize size = MapSizes[choice];
    session_.history.step(EditKind::Size, mapCells(size.width, size.height),
                          [&] { return ChangeMapSize(maze_, mapCanvas(), size); });
}

void frmEdit::Option1_Click()
{
    sizeChosen(0);
}

void frmEdit::Option2_Click()
{
    sizeChosen(1);
}

void frmEdit::Option3_Click()
{
    sizeChosen(2);
}

void frmEdit::Option4_Click()
{
    sizeChosen(3);
}

void frmEdit::Option5_Click()
{
    sizeChosen(4);
}

void frmEdit::Option6_Click()
{
    sizeChosen(5);
}

void frmEdit::Option7_Click()
{
    sizeChosen(6);
}

void frmEdit::Option8_Click()
{
    sizeChosen(7);
}

QString frmEdit::chipName(int code)
{
    if (code >= FirstWall && code <= LastWall)
        return tr("壁%1").arg(code - FirstWall + 1);
    if (code >= FirstFloor && code <= LastFloor)
        return tr("床%1").arg(code - FirstFloor + 1);
    switch (code) {
    case FirstItemCode - 1 + ArrowUp:
        return tr("上矢印");
    case FirstItemCode - 1 + ArrowDown:
        return tr("下矢印");
    case FirstItemCode - 1 + ArrowLeft:
        return tr("左矢印");
    case FirstItemCode - 1 + ArrowRight:
        return tr("右矢印");
    case StartCode:
        return tr("スタート");
    case GoalCode:
        return tr("ゴール");
    default:
        return {};
    }
}

void frmEdit::showChipTip(QPoint at, QPoint globalAt)
{
    const QPoint chip(at.x() / ChipSize, at.y() / ChipSize);
    if (chip.x() < 0 || chip.x() >= SheetColumns || chip.y() < 0 || chip.y() >= PaletteRows) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalAt, chipName(codeOfPaletteCell(chip.x(), chip.y())), picChrSet,
                       QRect(chip * ChipSize, QSize(ChipSize, ChipSize)));
}

void frmEdit::picChrSet_MouseMove(int, int, int X, int Y)
{
    maze_.ChipMouseX = X;
    maze_.ChipMouseY = Y;
}

void frmEdit::picChrSet_Click()
{
    if (!ChipFromMouse(maze_))
        return;
    CodeFromChip(maze_);
    showSelectedChip();
}

void frmEdit::picChrSet_KeyDown(int KeyCode, int Shift)
{
    const std::optional<QPoint> step = arrowStep(KeyCode);
    if (!step)
        return;
    const QPoint chip =
        inside(QPoint(maze_.ChipCol, maze_.ChipRow) + *step, SheetColumns, PaletteRows);
    // Picked as a click on that palette cell picks it.
    picChrSet_MouseMove(0, Shift, ChipSize * chip.x(), ChipSize * chip.y());
    picChrSet_Click();
}

void frmEdit::picMap_MouseMove(int Button, int, int X, int Y)
{
    MapPointerMoved(maze_, X, Y);
    placeCursorFrame({maze_.CursorX, maze_.CursorY});
    if (Button == MouseButton::Left) // only the left button paints
        tools_->paint().dragStep(Button);
    showCursorCell();
}

void frmEdit::showCursorCell()
{
    const QString cell = QStringLiteral("%1,%2").arg(maze_.CursorX).arg(maze_.CursorY);
    const std::optional<QRect>& selection = session_.history.tools().selection();
    const QString selected = selection ? selectionText(selection->size()) : QString();
    lblZahyou->setText(cell);
    fitLabelText(lblZahyou);
    lblZahyou->setAccessibleDescription(selected);
    picMap->setAccessibleValue(selected.isEmpty() ? cell : cell + u' ' + selected);
}

void frmEdit::picMap_Click()
{
    if (session_.history.step(EditKind::Paint, cursorCell(),
                              [&] { return MapClicked(maze_, mapCanvas(), isBusy()); }))
        session_.history.tools().setLineStart(QPoint(maze_.CursorX, maze_.CursorY));
}

QPoint frmEdit::frameCell() const
{
    const QPoint at = shpWaku->pos() * picMap->reduction(); // in pixels of the map picture
    return {at.x() / ChipSize, at.y() / ChipSize};
}

void frmEdit::placeCursorFrame(QPoint cell)
{
    shpWaku->setGeometry(picMap->boxRect(QRect(cell * ChipSize, QSize(ChipSize, ChipSize))));
}

QRect frmEdit::cursorCell() const
{
    return QRect(maze_.CursorX, maze_.CursorY, 1, 1);
}

void frmEdit::picMap_KeyDown(int KeyCode, int Shift)
{
    // The keys act as the pointer would at the cursor cell the frame shows:
    // an arrow moves it there, with Shift as a drag step; Space and Return
    // click there. Arrows with Shift held are one drag, one step to undo: any
    // other key ends it (the press of Shift itself ends the one before).
    const QPoint cursor = frameCell();
    const bool click = KeyCode == VirtualKey::Space || KeyCode == VirtualKey::Return;
    const std::optional<QPoint> step = arrowStep(KeyCode);
    const bool drag = step && (Shift & ShiftDown);
    if (!drag)
        tools_->paint().endDrag();
    if (!click && !step)
        return;
    const QPoint cell = click ? cursor
                              : inside(cursor + *step, picMap->pictureSize().width() / ChipSize,
                                       picMap->pictureSize().height() / ChipSize);
    picMap_MouseMove(drag ? MouseButton::Left : 0, Shift, ChipSize * cell.x(), ChipSize * cell.y());
    if (click)
        picMap_Click();
    picMap->Refresh(); // a drag step's cell shows at once, not at the next step
    scrollToShow(cell);
}

void frmEdit::scrollToShow(QPoint cell)
{
    const int shown = viewCells();
    const auto follow = [shown](QScrollBar* bar, int at) {
        if (at < bar->value())
            bar->setValue(at);
        else if (at >= bar->value() + shown)
            bar->setValue(at - shown + 1);
    };
    follow(scrYoko, cell.x());
    follow(scrTate, cell.y());
}

void frmEdit::comFull_Click()
{
    const MazeHeader& h = maze_.header;
    session_.history.step(EditKind::Fill, mapCells(h.MapWidth, h.MapHeight),
                          [&] { return FillMap(maze_, mapCanvas()); });
}

void frmEdit::scrTate_Change()
{
    picMap->Move(picMap->Left(), -ChipSize * scrTate->sliderPosition());
}

void frmEdit::scrTate_Scroll()
{
    scrTate_Change();
}

void frmEdit::scrYoko_Change()
{
    picMap->Move(-ChipSize * scrYoko->sliderPosition(), picMap->Top());
}

void frmEdit::scrYoko_Scroll()
{
    scrYoko_Change();
}

} // namespace orvane
