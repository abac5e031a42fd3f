#pragma once

#include "SheetCells.h"

#include <QImage>
#include <QString>

#include <array>

namespace orvane {

// The chip sheet and its mask, in Format_RGB32, as the drawing reads them.
// Mask white marks a drawn pixel, black a transparent one (where the sheet is
// white). Chips whose mask is white throughout are drawn as a plain copy.
class ChipSheet {
public:
    ChipSheet() = default;
    ChipSheet(const QImage& sheet, const QImage& mask);

    // The program's own sheet and mask, from the compiled-in resources.
    static const ChipSheet& standard();

    bool isNull() const { return sheet_.isNull(); }
    const QImage& sheet() const { return sheet_; }
    const QImage& mask() const { return mask_; }

    // Raw pixels of sheet and mask, which share one row stride.
    const uchar* sheetBits() const { return sheetBits_; }
    const uchar* maskBits() const { return maskBits_; }
    qsizetype bytesPerLine() const { return bytesPerLine_; }

    bool contains(int column, int row) const
    {
        return column >= 0 && column < SheetColumns && row >= 0 && row < SheetRows;
    }
    bool isOpaque(int column, int row) const
    {
        return contains(column, row) && opaque_[row * SheetColumns + column];
    }
    // One chip alone, ARGB32, transparent where its mask is black.
    QImage maskedChip(SheetCell chip) const;

private:
    QImage sheet_;
    QImage mask_;
    const uchar* sheetBits_ = nullptr;
    const uchar* maskBits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
    std::array<bool, SheetColumns * SheetRows> opaque_{};
};

} // namespace orvane
