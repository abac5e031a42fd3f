#pragma once

#include <QRect>

namespace orvane {

// Layouts are stored in twips: 15 twips make one pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                 pixelsFromTwips(height));
}

} // namespace orvane
