#include "ChipSheet.h"

namespace orvane {
namespace {

QImage asSheetImage(const QImage& image)
{
    if (image.size() != QSize(SheetWidth, SheetHeight))
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

bool maskIsWhite(const QImage& mask, int column, int row)
{
    for (int y = 0; y < ChipSize; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(row * ChipSize + y));
        for (int x = 0; x < ChipSize; ++x) {
            if ((line[column * ChipSize + x] & 0xFFFFFF) != 0xFFFFFF)
                return false;
        }
    }
    return true;
}

} // namespace

ChipSheet::ChipSheet(const QImage& sheet, const QImage& mask)
    : sheet_(asSheetImage(sheet)), mask_(asSheetImage(mask))
{
    if (sheet_.isNull() || mask_.isNull()) {
        sheet_ = mask_ = QImage();
        return;
    }
    sheetBits_ = sheet_.constBits();
    maskBits_ = mask_.constBits();
    bytesPerLine_ = sheet_.bytesPerLine(); // same format and size: same stride
    for (int row = 0; row < SheetRows; ++row)
        for (int column = 0; column < SheetColumns; ++column)
            opaque_[row * SheetColumns + column] = maskIsWhite(mask_, column, row);
}

const ChipSheet& ChipSheet::standard()
{
    static const ChipSheet sheet(QImage(QStringLiteral(":/orvane/chipsheet.bmp")),
                                 QImage(QStringLiteral(":/orvane/chipmask.bmp")));
    return sheet;
}

QImage ChipSheet::maskedChip(SheetCell chip) const
{
    const QRect square(chip.column * ChipSize, chip.row * ChipSize, ChipSize, ChipSize);
    QImage picture = sheet_.copy(square).convertToFormat(QImage::Format_ARGB32);
    const QImage mask = mask_.copy(square);
    for (int y = 0; y < ChipSize; ++y)
        for (int x = 0; x < ChipSize; ++x)
            if (qRed(mask.pixel(x, y)) == 0)
                picture.setPixel(x, y, qRgba(0, 0, 0, 0));
    return picture;
}

} // namespace orvane
