// Moving around a large map: the overview.

#include "frmEdit.h"

#include "MapOverview.h"
#include "MazeState.h"

#include <QScrollBar>

namespace orvane {

void frmEdit::toggleOverview()
{
    if (!overview_) {
        overview_ = new MapOverview(maze_, chips(), this);
        connect(overview_, &MapOverview::viewMoved, this, [this](QPoint topLeft) {
            scrYoko->setValue(topLeft.x());
            scrTate->setValue(topLeft.y());
        });
        const auto follow = [this] {
            overview_->setView(QRect(scrYoko->value(), scrTate->value(), viewCells(), viewCells()));
        };
        connect(scrYoko, &QScrollBar::valueChanged, overview_, follow);
        connect(scrTate, &QScrollBar::valueChanged, overview_, follow);
        connect(this, &frmEdit::zoomChanged, overview_, follow);
        follow();
        // Every cell the map draws, as it draws it: edits, undo, loads.
        onMapDrawn([this](const QRect& pixels) {
            if (overview_->isVisible())
                overview_->cellsChanged(
                    QRect(pixels.topLeft() / ChipSize, (pixels.bottomRight() / ChipSize)));
        });
    }
    if (overview_->isVisible()) {
        overview_->close();
        return;
    }
    overview_->mapChanged();
    overview_->show();
}

} // namespace orvane
