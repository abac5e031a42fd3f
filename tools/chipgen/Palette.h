#pragma once

#include "Figure.h"

#include <QHash>
#include <QRgb>

#include <array>
#include <vector>

namespace orvane::chipgen {

// A 256-entry colour table: the 20 system colours at entries 0..9 and
// 246..255 (black first, white last) and between them every colour the
// pictures use, the remaining entries filled from a colour cube.
class Palette {
public:
    static constexpr int Size = 256;

    // Throws std::runtime_error when the pictures need more colours than fit.
    explicit Palette(const std::vector<const Figure*>& pictures);

    const std::array<QRgb, Size>& entries() const { return entries_; }
    // The entry holding colour, or -1.
    int indexOf(QRgb colour) const { return index_.value(colour, -1); }

private:
    bool add(int entry, QRgb colour);

    std::array<QRgb, Size> entries_{};
    QHash<QRgb, int> index_;
};

} // namespace orvane::chipgen
