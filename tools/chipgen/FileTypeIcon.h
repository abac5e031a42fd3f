#pragma once

#include "Figure.h"

#include <QImage>

namespace orvane::chipgen {

// The icon of a maze file: a white page with its top right corner folded
// down, holding a small maze in the program icon's colours. Pixels off the
// page are transparent.
Figure fileTypeIcon();

// A figure as a 32-bit picture with alpha, enlarged scale times without smoothing.
QImage toArgbImage(const Figure& figure, int scale = 1);

} // namespace orvane::chipgen
