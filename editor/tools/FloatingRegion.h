#pragma once

#include "MazeConstants.h"
#include "edit/Region.h"

#include <QImage>
#include <QWidget>

namespace orvane {

class ChipSheet;

// A pasted region floating over the editor's map until it is placed: drawn
// whole, as the map would show it, and outlined. Its picture is drawn once
// for each region; moving it draws nothing anew. A child of the map picture;
// the pointer passes through it.
class FloatingRegion : public QWidget {
    Q_OBJECT
public:
    FloatingRegion(QWidget* map, const ChipSheet& chips);

    const Region& region() const { return region_; }
    // Pixels a cell of the map it floats over (16 unless the map is shown
    // reduced), for the regions set from now on.
    void setCellPixels(int cellPixels);
    void setRegion(Region region);
    // Its top-left cell on the map.
    QPoint cell() const { return cell_; }
    void moveToCell(QPoint cell);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ChipSheet& chips_;
    Region region_;
    QPoint cell_;
    int cellPixels_ = ChipSize;
    QImage picture_;
};

} // namespace orvane
