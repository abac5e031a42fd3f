#pragma once

#include "IndexedImage.h"
#include "Palette.h"

#include <QByteArray>

namespace orvane::chipgen {

// An uncompressed 8-bit Windows bitmap file: 14-byte file header, 40-byte
// information header, 256-entry colour table, rows bottom-up, each padded
// to a multiple of 4 bytes.
QByteArray bmpFile(const IndexedImage& image, const Palette& palette);

// An icon file holding this one 8-bit image, with an all-zero AND mask
// (every pixel opaque).
QByteArray icoFile(const IndexedImage& image, const Palette& palette);

} // namespace orvane::chipgen
