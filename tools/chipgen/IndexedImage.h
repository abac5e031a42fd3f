#pragma once

#include "Figure.h"
#include "Palette.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace orvane::chipgen {

// A picture as palette entries, top row first.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    uint8_t at(int x, int y) const { return pixels[y * width + x]; }
};

// Every pixel's colour must be in the palette (throws std::runtime_error otherwise).
IndexedImage toIndexed(const Figure& picture, const Palette& palette);

// An 8-bit QImage with the palette, enlarged scale times without smoothing.
QImage toQImage(const IndexedImage& image, const Palette& palette, int scale = 1);

} // namespace orvane::chipgen
