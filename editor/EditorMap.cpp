// The editor's opening, palette, size buttons, map painting and scrolling.

#include "frmEdit.h"

#include "EditorSession.h"
#include "MazeState.h"
#include "MouseConversions.h"
#include "PictureBox.h"
#include "ShapeOutline.h"
#include "edit/Fill.h"
#include "edit/FreshMaze.h"
#include "edit/Paint.h"
#include "edit/SizeChange.h"

#include <QLabel>
#include <QScrollBar>

namespace orvane {

void frmEdit::Form_Load()
{
    session_.startOver(); // a new maze starts a new history
    OpenFreshMaze(maze_, mapCanvas());
    shpSWaku->move(ChipSize * maze_.ChipCol, ChipSize * maze_.ChipRow);
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
    shpSWaku->move(ChipSize * maze_.ChipCol, ChipSize * maze_.ChipRow);
}

void frmEdit::picMap_MouseMove(int Button, int, int X, int Y)
{
    MapPointerMoved(maze_, X, Y);
    shpWaku->move(ChipSize * maze_.CursorX, ChipSize * maze_.CursorY);
    if (Button == MouseButton::Left) // only the left button paints
        session_.history.dragStep(EditKind::Paint, cursorCell(),
                                  [&] { return DragPaint(maze_, mapCanvas(), Button, isBusy()); });
    lblZahyou->setText(QStringLiteral("%1,%2").arg(maze_.CursorX).arg(maze_.CursorY));
}

void frmEdit::picMap_Click()
{
    session_.history.step(EditKind::Paint, cursorCell(),
                          [&] { return MapClicked(maze_, mapCanvas(), isBusy()); });
}

QRect frmEdit::cursorCell() const
{
    return QRect(maze_.CursorX, maze_.CursorY, 1, 1);
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
