#include "Previews.h"

#include "SheetCells.h"

namespace orvane::chipgen {

namespace {

constexpr int PreviewScale = 8;
// The figures drawn over other chips: the item row and the ball's row.
constexpr int FirstFigureRow = ItemRow;
constexpr int FigureCount = (SheetRows - FirstFigureRow) * SheetColumns;

} // namespace

QImage enlarged(const QImage& image)
{
    return image.scaled(image.size() * PreviewScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage composedOverFloors(const QImage& sheet, const QImage& mask)
{
    const QImage s = sheet.convertToFormat(QImage::Format_RGB32);
    const QImage m = mask.convertToFormat(QImage::Format_RGB32);
    QImage out(SheetWidth, FigureCount * ChipSize, QImage::Format_RGB32);
    for (int figure = 0; figure < FigureCount; ++figure) {
        const int fx = figure % SheetColumns * ChipSize;
        const int fy = (FirstFigureRow + figure / SheetColumns) * ChipSize;
        for (int floor = 0; floor < SheetColumns; ++floor)
            for (int y = 0; y < ChipSize; ++y)
                for (int x = 0; x < ChipSize; ++x) {
                    const QRgb under = s.pixel(floor * ChipSize + x, FloorRow * ChipSize + y);
                    const QRgb drawn = (under | m.pixel(fx + x, fy + y)) & s.pixel(fx + x, fy + y);
                    out.setPixel(floor * ChipSize + x, figure * ChipSize + y, drawn);
                }
    }
    return out;
}

} // namespace orvane::chipgen
