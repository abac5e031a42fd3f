#include "ReducedPictures.h"

#include <cstdint>

namespace orvane {
namespace {

// Two 8-bit channels of a pixel in two 16-bit lanes, with room for sums.
constexpr quint32 Lanes = 0x00FF00FFu;
// Half of four, in both lanes: the sum of four rounds to the nearest mean.
constexpr quint32 HalfOfFour = 0x00020002u;

// The rectangle `rect` grown to whole blocks of `block` pixels.
QRect toBlocks(const QRect& rect, int block)
{
    const int left = rect.left() / block * block;
    const int top = rect.top() / block * block;
    const int right = (rect.right() / block + 1) * block;
    const int bottom = (rect.bottom() / block + 1) * block;
    return QRect(left, top, right - left, bottom - top);
}

QRect scaledDown(const QRect& rect, int factor)
{
    return QRect(rect.topLeft() / factor, rect.size() / factor);
}

} // namespace

void halvePart(const QImage& from, QImage& to, const QRect& part)
{
    const QRect area = part & to.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* upper = reinterpret_cast<const quint32*>(from.constScanLine(2 * y));
        const auto* lower = reinterpret_cast<const quint32*>(from.constScanLine(2 * y + 1));
        auto* out = reinterpret_cast<quint32*>(to.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const quint32 a = upper[2 * x];
            const quint32 b = upper[2 * x + 1];
            const quint32 c = lower[2 * x];
            const quint32 d = lower[2 * x + 1];
            const quint32 blueRed =
                (a & Lanes) + (b & Lanes) + (c & Lanes) + (d & Lanes) + HalfOfFour;
            const quint32 greenAlpha = ((a >> 8) & Lanes) + ((b >> 8) & Lanes) +
                                       ((c >> 8) & Lanes) + ((d >> 8) & Lanes) + HalfOfFour;
            out[x] = ((blueRed >> 2) & Lanes) | (((greenAlpha >> 2) & Lanes) << 8);
        }
    }
}

void ReducedPictures::update(const QImage& picture, const QRect& pixels)
{
    QRect part = toBlocks(pixels, Quarter);
    const QSize halfSize = picture.size() / Half;
    if (half_.size() != halfSize) {
        half_ = QImage(halfSize, QImage::Format_RGB32);
        quarter_ = QImage(picture.size() / Quarter, QImage::Format_RGB32);
        part = toBlocks(picture.rect(), Quarter);
    }
    if (part.isEmpty() || picture.isNull())
        return;
    halvePart(picture, half_, scaledDown(part, Half));
    halvePart(half_, quarter_, scaledDown(part, Quarter));
}

} // namespace orvane
