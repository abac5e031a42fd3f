// The map view's zoom and its scroll bars: the map picture is drawn at 16
// pixels a cell whatever the zoom and shown reduced (PictureBox), so that
// the handlers and the rules see the pixels and cells they always do.

#include "frmEdit.h"

#include "MapTools.h"
#include "MazeState.h"
#include "PictureBox.h"
#include "RouteOverlay.h"
#include "ViewZoom.h"
#include "WalkOverlay.h"

#include <QLabel>
#include <QScrollBar>

namespace orvane {

QString frmEdit::zoomText(int cellPixels)
{
    const int cells = ViewportCells * ChipSize / cellPixels;
    return tr("表示: 1マス %1 ピクセル、%2×%2 マス (Ctrl+ホイール、Ctrl+- と Ctrl++ "
              "で拡大縮小、Ctrl+0 で元の大きさ)")
        .arg(cellPixels)
        .arg(cells);
}

int frmEdit::viewCells() const
{
    return ViewportCells * ChipSize / zoom_;
}

void frmEdit::zoomIn()
{
    setZoom(ViewZoom::zoomedIn(zoom_), frameCell());
}

void frmEdit::zoomOut()
{
    setZoom(ViewZoom::zoomedOut(zoom_), frameCell());
}

void frmEdit::zoomReset()
{
    setZoom(ChipSize, frameCell());
}

void frmEdit::setZoom(int cellPixels, QPoint anchorCell)
{
    const QPoint scroll(scrYoko->value(), scrTate->value());
    const int view = ViewportCells * ChipSize;
    QPoint inView(view / 2, view / 2);
    if (QRect(scroll, QSize(viewCells(), viewCells())).contains(anchorCell))
        inView = (anchorCell - scroll) * zoom_ + QPoint(zoom_ / 2, zoom_ / 2);
    setZoomAt(cellPixels, inView);
}

void frmEdit::setZoomAt(int cellPixels, QPoint inView)
{
    if (std::find(ViewZoom::CellPixels.begin(), ViewZoom::CellPixels.end(), cellPixels) ==
        ViewZoom::CellPixels.end())
        return;
    const QPoint scroll(scrYoko->value(), scrTate->value());
    const QPoint cell = ViewZoom::cellAt(scroll, inView, zoom_);
    const MazeHeader& h = maze_.header;
    const QSize view = picBack->clientArea()->size();
    showZoom(cellPixels, ViewZoom::scrollKeeping(cell, inView, cellPixels,
                                                 QSize(h.MapWidth, h.MapHeight), view));
}

void frmEdit::scrollViewBy(QPoint cells)
{
    scrYoko->setValue(scrYoko->value() + cells.x());
    scrTate->setValue(scrTate->value() + cells.y());
}

void frmEdit::fitScrollBars(int width, int height)
{
    // A map smaller than the view needs no scrolling. The page stays
    // ScrollPageCells at every zoom: a longer page would draw a longer thumb,
    // which the style paints markedly slower, at every scroll step.
    scrYoko->setMaximum(std::max(width - viewCells(), 0));
    scrTate->setMaximum(std::max(height - viewCells(), 0));
}

void frmEdit::showZoom(int cellPixels, QPoint scroll)
{
    const QPoint cursor = frameCell();
    const bool changed = cellPixels != zoom_;
    zoom_ = cellPixels;
    picMap->setReduction(ChipSize / cellPixels);
    fitScrollBars(maze_.header.MapWidth, maze_.header.MapHeight);
    scrYoko->setValue(scroll.x());
    scrTate->setValue(scroll.y());
    // The map moves with the values, also where they stayed.
    scrYoko_Change();
    scrTate_Change();
    placeCursorFrame(cursor);
    tools_->showAtZoom();
    routeOverlay_->setReduction(ChipSize / cellPixels);
    walkOverlay_->setReduction(ChipSize / cellPixels);
    if (!changed)
        return;
    describeZoom();
    emit zoomChanged(cellPixels);
}

void frmEdit::describeZoom()
{
    const QString text = zoomText(zoom_);
    lblZahyou->setToolTip(text);
    picMap->setAccessibleDescription(text);
}

} // namespace orvane
