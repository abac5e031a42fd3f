#include "Palette.h"

#include <stdexcept>

namespace orvane::chipgen {

namespace {

constexpr int SystemLowCount = 10;
constexpr int SystemHighFirst = 246;

constexpr std::array<QRgb, SystemLowCount> SystemLow{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(192, 220, 192), qRgb(166, 202, 240),
};

constexpr std::array<QRgb, Palette::Size - SystemHighFirst> SystemHigh{
    qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128), qRgb(255, 0, 0),
    qRgb(0, 255, 0),     qRgb(255, 255, 0),   qRgb(0, 0, 255),     qRgb(255, 0, 255),
    qRgb(0, 255, 255),   qRgb(255, 255, 255),
};

constexpr std::array<int, 6> CubeLevels{0, 51, 102, 153, 204, 255};

} // namespace

bool Palette::add(int entry, QRgb colour)
{
    if (index_.contains(colour))
        return false;
    entries_[entry] = colour;
    index_.insert(colour, entry);
    return true;
}

Palette::Palette(const std::vector<const Figure*>& pictures)
{
    for (int i = 0; i < SystemLowCount; ++i)
        add(i, SystemLow[i]);
    for (int i = SystemHighFirst; i < Size; ++i)
        add(i, SystemHigh[i - SystemHighFirst]);

    int next = SystemLowCount;
    for (const Figure* picture : pictures)
        for (int y = 0; y < picture->height(); ++y)
            for (int x = 0; x < picture->width(); ++x) {
                const QRgb colour = picture->colour(x, y);
                if (index_.contains(colour))
                    continue;
                if (next == SystemHighFirst)
                    throw std::runtime_error("the pictures use more than 256 colours");
                add(next++, colour);
            }

    for (int r : CubeLevels)
        for (int g : CubeLevels)
            for (int b : CubeLevels)
                if (next < SystemHighFirst && add(next, qRgb(r, g, b)))
                    ++next;
    // Should the cube not suffice, the rest becomes a grey ramp.
    for (int level = 1; next < SystemHighFirst && level < 255; ++level)
        if (add(next, qRgb(level, level, level)))
            ++next;
}

} // namespace orvane::chipgen
