#include "FloatingRegion.h"

#include "CellDrawing.h"
#include "ChipDraw.h"
#include "MazeConstants.h"
#include "ReducedPictures.h"
#include "SelectionFrame.h"

#include <QPaintEvent>
#include <QPainter>

namespace orvane {

FloatingRegion::FloatingRegion(QWidget* map, const ChipSheet& chips) : QWidget(map), chips_(chips)
{
    setObjectName(QStringLiteral("floatingRegion"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent); // the picture covers it: a move can be a blit
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FloatingRegion::setRegion(Region region)
{
    region_ = std::move(region);
    picture_ = QImage(region_.width * ChipSize, region_.height * ChipSize, QImage::Format_RGB32);
    picture_.fill(Qt::black);
    {
        ChipPainter painter(picture_, chips_);
        for (int y = 0; y < region_.height; ++y)
            for (int x = 0; x < region_.width; ++x)
                drawCellPictures(painter,
                                 cellPictures(region_.at(x, y), region_.start == QPoint(x, y),
                                              region_.goal == QPoint(x, y)),
                                 x, y);
    }
    if (cellPixels_ < ChipSize) { // as the map shows it reduced
        ReducedPictures reduced;
        reduced.bringUpToDate(picture_, picture_.rect());
        picture_ = reduced.at(ChipSize / cellPixels_);
    }
    QPainter frame(&picture_);
    drawSelectionFrame(frame, picture_.rect());
    resize(picture_.size());
    update();
}

void FloatingRegion::setCellPixels(int cellPixels)
{
    cellPixels_ = cellPixels;
}

void FloatingRegion::moveToCell(QPoint cell)
{
    cell_ = cell;
    move(cell * cellPixels_);
}

void FloatingRegion::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    for (const QRect& r : event->region())
        p.drawImage(r.topLeft(), picture_, r);
}

} // namespace orvane
