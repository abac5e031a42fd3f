#include "ReducedPictures.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The mean of the four pixels a, b, c, d, each channel rounded.
quint32 meanOfFour(quint32 a, quint32 b, quint32 c, quint32 d)
{
    const quint32 blueRed = (a & Lanes) + (b & Lanes) + (c & Lanes) + (d & Lanes) + HalfOfFour;
    const quint32 greenAlpha = ((a >> 8) & Lanes) + ((b >> 8) & Lanes) + ((c >> 8) & Lanes) +
                               ((d >> 8) & Lanes) + HalfOfFour;
    return ((blueRed >> 2) & Lanes) | (((greenAlpha >> 2) & Lanes) << 8);
}

// Output pixels `from`..`to` - 1 of a row from its two rows of input; returns
// where it stopped (all but a last odd few with SSE2).
int halveRow(const quint32* upper, const quint32* lower, quint32* out, int from, int to)
{
    int x = from;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(2);
    for (; x + 2 <= to; x += 2) {
        // Four pixels of each row, two outputs: channels widened to 16 bits,
        // the rows added, then each pixel to its neighbour.
        const __m128i up = _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper + 2 * x));
        const __m128i down = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lower + 2 * x));
        const __m128i first =
            _mm_add_epi16(_mm_unpacklo_epi8(up, zero), _mm_unpacklo_epi8(down, zero));
        const __m128i second =
            _mm_add_epi16(_mm_unpackhi_epi8(up, zero), _mm_unpackhi_epi8(down, zero));
        const __m128i sums =
            _mm_add_epi16(_mm_unpacklo_epi64(first, second), _mm_unpackhi_epi64(first, second));
        const __m128i means = _mm_srli_epi16(_mm_add_epi16(sums, half), 2);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(means, zero));
    }
#endif
    for (; x < to; ++x)
        out[x] = meanOfFour(upper[2 * x], upper[2 * x + 1], lower[2 * x], lower[2 * x + 1]);
    return x;
}

} // namespace

void halvePart(const QImage& from, QImage& to, const QRect& part)
{
    const QRect area = part & to.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        halveRow(reinterpret_cast<const quint32*>(from.constScanLine(2 * y)),
                 reinterpret_cast<const quint32*>(from.constScanLine(2 * y + 1)),
                 reinterpret_cast<quint32*>(to.scanLine(y)), area.left(), area.right() + 1);
}

void ReducedPictures::drawn(const QRect& pixels)
{
    if (!pixels.isEmpty())
        outOfDate_ += toBlocks(pixels, Quarter);
}

void ReducedPictures::follow(const QImage& picture)
{
    if (half_.size() != picture.size() / Half) {
        half_ = QImage(picture.size() / Half, QImage::Format_RGB32);
        quarter_ = QImage(picture.size() / Quarter, QImage::Format_RGB32);
        outOfDate_ = picture.rect();
    }
    outOfDate_ &= toBlocks(picture.rect(), Quarter);
}

void ReducedPictures::reduce(const QImage& picture, const QRect& blocks)
{
    halvePart(picture, half_, scaledDown(blocks, Half));
    halvePart(half_, quarter_, scaledDown(blocks, Quarter));
}

void ReducedPictures::settle(const QImage& picture)
{
    follow(picture);
    QRegion large;
    for (const QRect& r : outOfDate_) {
        if (qint64(r.width()) * r.height() <= SettledArea)
            reduce(picture, r);
        else
            large += r;
    }
    outOfDate_ = large;
}

void ReducedPictures::bringUpToDate(const QImage& picture, const QRect& pixels)
{
    follow(picture);
    const QRegion due = outOfDate_ & toBlocks(pixels, Quarter);
    for (const QRect& r : due)
        reduce(picture, r);
    outOfDate_ -= due;
}

} // namespace orvane
