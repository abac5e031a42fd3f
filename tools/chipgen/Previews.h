#pragma once

#include <QImage>

namespace orvane::chipgen {

// Enlarged 8 times without smoothing, every pixel a crisp square.
QImage enlarged(const QImage& image);

// Each item-row and ball-row chip drawn as the program draws it (mask ORed
// in, then the sheet ANDed) over each of the six floors, one row per figure,
// so that transparency and contrast can be judged by eye.
QImage composedOverFloors(const QImage& sheet, const QImage& mask);

} // namespace orvane::chipgen
