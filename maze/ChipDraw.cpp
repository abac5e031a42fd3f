#include "ChipDraw.h"

#include <cstring>

namespace orvane {
namespace {

constexpr qsizetype PixelBytes = sizeof(QRgb);

// Copies rows of a chip; Rows and Width > 0 fix the size so the compiler can
// unroll the whole chip.
template <int Rows, int Width>
inline void copyRows(uchar* dst, qsizetype dstStride, const uchar* src, qsizetype srcStride,
                     int rows, int width)
{
    const int n = Rows > 0 ? Rows : rows;
    const size_t bytes = size_t(Width > 0 ? Width : width) * PixelBytes;
    for (int r = 0; r < n; ++r, dst += dstStride, src += srcStride)
        std::memcpy(dst, src, bytes);
}

// dst = (dst | mask) & sheet, row by row.
template <int Width>
inline void orAndRows(uchar* dst, qsizetype dstStride, const uchar* mask, const uchar* sheet,
                      qsizetype srcStride, int rows, int width)
{
    const int n = Width > 0 ? Width : width;
    for (int r = 0; r < rows; ++r, dst += dstStride, mask += srcStride, sheet += srcStride) {
        auto* __restrict d = reinterpret_cast<QRgb*>(dst);
        const auto* __restrict m = reinterpret_cast<const QRgb*>(mask);
        const auto* __restrict s = reinterpret_cast<const QRgb*>(sheet);
        for (int i = 0; i < n; ++i)
            d[i] = (d[i] | m[i]) & s[i];
    }
}

} // namespace

ChipPainter::ChipPainter(QImage& target, const ChipSheet& chips) : chips_(chips)
{
    if (target.format() != QImage::Format_RGB32 || chips.isNull())
        return;
    bits_ = target.bits(); // detaches once, for the whole batch
    bytesPerLine_ = target.bytesPerLine();
    width_ = target.width();
    height_ = target.height();
}

QRect ChipPainter::draw(int x, int y, int column, int row)
{
    if (!bits_ || !chips_.contains(column, row))
        return {};
    // 64-bit corners: no cell or sheet position can overflow.
    const qint64 left = qint64(x) * ChipSize;
    const qint64 top = qint64(y) * ChipSize;
    const qint64 x0 = std::max<qint64>(left, 0);
    const qint64 y0 = std::max<qint64>(top, 0);
    const qint64 x1 = std::min<qint64>(left + ChipSize, width_);
    const qint64 y1 = std::min<qint64>(top + ChipSize, height_);
    if (x0 >= x1 || y0 >= y1)
        return {};

    const int width = int(x1 - x0);
    const int height = int(y1 - y0);
    const qsizetype srcStride = chips_.bytesPerLine();
    const qsizetype srcOffset =
        (row * ChipSize + (y0 - top)) * srcStride + (column * ChipSize + (x0 - left)) * PixelBytes;
    const uchar* sheet = chips_.sheetBits() + srcOffset;
    uchar* dst = bits_ + y0 * bytesPerLine_ + x0 * PixelBytes;
    const bool whole = width == ChipSize && height == ChipSize;

    if (chips_.isOpaque(column, row)) {
        // (t | white) & s == s: a plain copy.
        if (whole)
            copyRows<ChipSize, ChipSize>(dst, bytesPerLine_, sheet, srcStride, height, width);
        else
            copyRows<0, 0>(dst, bytesPerLine_, sheet, srcStride, height, width);
    } else {
        const uchar* mask = chips_.maskBits() + srcOffset;
        if (whole)
            orAndRows<ChipSize>(dst, bytesPerLine_, mask, sheet, srcStride, height, width);
        else
            orAndRows<0>(dst, bytesPerLine_, mask, sheet, srcStride, height, width);
    }
    return QRect(int(x0), int(y0), width, height);
}

} // namespace orvane
