#include "Previews.h"

#include "MazeConstants.h"
#include "SheetPictures.h"

namespace orvane::chipgen {

namespace {

constexpr int PreviewScale = 8;
constexpr int FloorRow = 1;
constexpr int FirstFigureRow = 2;
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
    QImage out(SheetColumns * ChipSize, FigureCount * ChipSize, QImage::Format_RGB32);
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
