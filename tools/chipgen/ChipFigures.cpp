#include "ChipFigures.h"

#include "MazeConstants.h"

#include <QPoint>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace orvane::chipgen {

namespace {

using colours::BallShades;

constexpr int Last = ChipSize - 1; // the chip's last pixel row and column
constexpr int BevelWidth = 2;
constexpr int FaceFirst = BevelWidth + 2; // inside the border, bevel and inner ring
constexpr int FaceLast = Last - FaceFirst;
constexpr int SlabSize = 6;

// The arrow's box when it points up; the point narrows by one pixel a side per row.
constexpr int ArrowBoxLeft = 4;
constexpr int ArrowBoxRight = 11;
constexpr int ArrowBoxTop = 4;
constexpr int ArrowBoxBottom = 10;
constexpr int ArrowPointDepth = 3;

// Direction toward the light falling on the ball (a unit vector; z points at the viewer).
constexpr double LightX = -0.35;
constexpr double LightY = -0.35;
constexpr double LightZ = 0.87;

// The ball's grey number shade of BallShades, evenly spaced; 0 is the darkest.
QRgb ballGrey(int shade)
{
    const double step = double(colours::BallLightest - colours::BallDarkest) / (BallShades - 1);
    const int grey = colours::BallDarkest + static_cast<int>(std::lround(shade * step));
    return qRgb(grey, grey, grey);
}

// A circle filling the chip: pixels whose centre lies within ChipSize / 2 of the chip's centre.
Figure circle(QRgb fill)
{
    Figure chip(ChipSize, ChipSize);
    const double centre = ChipSize / 2.0;
    const double radius = ChipSize / 2.0;
    for (int y = 0; y < ChipSize; ++y)
        for (int x = 0; x < ChipSize; ++x) {
            const double dx = x + 0.5 - centre;
            const double dy = y + 0.5 - centre;
            if (dx * dx + dy * dy <= radius * radius)
                chip.paint(x, y, fill);
        }
    return chip;
}

} // namespace

Figure raisedBlock(const ColourFamily& family)
{
    Figure chip(ChipSize, ChipSize);
    chip.fillRect(0, 0, Last, Last, colours::Black);
    // Bevel band inside the border, lit from the top left and mitred along both
    // diagonals; the black left between band and face is the inner ring.
    for (int y = 1; y < Last; ++y)
        for (int x = 1; x < Last; ++x) {
            const bool inBand = std::min({x, y, Last - x, Last - y}) <= BevelWidth;
            const bool onMitre = x == y || x + y == Last;
            if (inBand && !onMitre)
                chip.paint(x, y, x + y < Last ? family.light : family.dark);
        }
    chip.fillRect(FaceFirst, FaceFirst, FaceLast, FaceLast, family.face);
    return chip;
}

Figure floorSlabs(const ColourFamily& family)
{
    Figure chip(ChipSize, ChipSize);
    chip.fillRect(0, 0, Last, Last, colours::Black);
    for (int y0 : {1, ChipSize / 2 + 1})
        for (int x0 : {1, ChipSize / 2 + 1})
            chip.fillRect(x0, y0, x0 + SlabSize - 1, y0 + SlabSize - 1, family.face);
    return chip;
}

Figure arrow(ArrowDirection direction)
{
    Figure up(ChipSize, ChipSize);
    for (int y = ArrowBoxTop; y <= ArrowBoxBottom; ++y) {
        const int inset = std::max(0, ArrowPointDepth - (y - ArrowBoxTop));
        up.fillRect(ArrowBoxLeft + inset, y, ArrowBoxRight - inset, y, colours::Arrow);
    }
    up.outline(colours::Black);

    switch (direction) {
    case ArrowDirection::Up:
        return up;
    case ArrowDirection::Down:
        return up.mirroredTopBottom();
    case ArrowDirection::Left:
        return up.transposed();
    case ArrowDirection::Right:
        return up.transposed().mirroredLeftRight();
    }
    return up;
}

Figure markerDisc(const Glyph& letter)
{
    Figure chip = circle(colours::Disc);
    chip.outline(colours::Black);

    Figure ink(GlyphWidth, GlyphHeight);
    for (int y = 0; y < GlyphHeight; ++y)
        for (int x = 0; x < GlyphWidth; ++x)
            if (letter[y][x] == '#')
                ink.paint(x, y, colours::Letter);

    // Black edge: every pixel beside the ink (sideways or diagonally) that is not ink.
    const int left = (ChipSize - GlyphWidth) / 2;
    const int top = (ChipSize - GlyphHeight) / 2;
    for (int y = -1; y <= GlyphHeight; ++y)
        for (int x = -1; x <= GlyphWidth; ++x) {
            if (ink.opaque(x, y))
                continue;
            bool beside = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    beside = beside || ink.opaque(x + dx, y + dy);
            if (beside)
                chip.paint(left + x, top + y, colours::Black);
        }
    chip.paste(ink, left, top);
    return chip;
}

Figure shadedBall()
{
    Figure chip = circle(colours::Black);
    // Diffuse light on a sphere, from the upper left and in front: brightest just
    // above and left of the centre, falling into shade toward the lower right.
    const double centre = ChipSize / 2.0;
    const double radius = ChipSize / 2.0 - 1.0; // inside the outline
    std::vector<std::pair<QPoint, double>> lit;
    for (int y = 0; y < ChipSize; ++y)
        for (int x = 0; x < ChipSize; ++x) {
            if (!chip.opaque(x, y) || chip.onEdge(x, y))
                continue;
            const double nx = (x + 0.5 - centre) / radius;
            const double ny = (y + 0.5 - centre) / radius;
            const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
            lit.push_back({QPoint(x, y), std::max(0.0, nx * LightX + ny * LightY + nz * LightZ)});
        }
    // Spread the light over all the greys, darkest to lightest.
    const auto [dimmest, brightest] = std::minmax_element(
        lit.begin(), lit.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    const double low = dimmest->second, range = brightest->second - low;
    for (const auto& [p, light] : lit) {
        const int shade = static_cast<int>(std::lround((light - low) / range * (BallShades - 1)));
        chip.paint(p.x(), p.y(), ballGrey(shade));
    }
    return chip;
}

} // namespace orvane::chipgen
