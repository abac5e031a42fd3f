#pragma once

#include "ChipSheet.h"

#include <QImage>
#include <QRect>

namespace orvane {

// Draws sheet chips onto one picture (Format_RGB32): every pixel of the chip's
// square becomes target OR mask, then AND sheet. Clipped to the picture and to
// the sheet: a cell outside the picture or a sheet position outside the sheet
// draws nothing. Holds the picture's pixels for its lifetime: make one per
// batch of drawing and nothing else may touch the picture meanwhile.
class ChipPainter {
public:
    ChipPainter(QImage& target, const ChipSheet& chips);

    // Draws sheet chip (column, row) at cell (x, y); returns the pixels changed.
    QRect draw(int x, int y, int column, int row);

private:
    const ChipSheet& chips_;
    uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
    int width_ = 0;
    int height_ = 0;
};

// One chip, as ChipPainter::draw.
inline QRect DrawChip(QImage& target, const ChipSheet& chips, int x, int y, int column, int row)
{
    return ChipPainter(target, chips).draw(x, y, column, row);
}

} // namespace orvane
