#include "ProgramIcon.h"

#include "Colours.h"

#include <array>
#include <cmath>
#include <optional>

namespace orvane::chipgen {

namespace {

constexpr int FrameWidth = 2;
constexpr int MazeOrigin = FrameWidth + 1; // one pixel of ground inside the frame
constexpr int MazeUnit = 2;                // each plan character is 2 x 2 pixels
constexpr int PlanSize = 13;

// '#' wall, '.' passage; entrance top left, exit bottom right.
constexpr std::array<const char*, PlanSize> MazePlan{
    "#############", //
    "....#.......#", //
    "###.#.#####.#", //
    "#...#...#...#", //
    "#.#####.#.###", //
    "#.....#.#...#", //
    "#####.#.###.#", //
    "#.....#...#.#", //
    "#.#######.#.#", //
    "#.#.....#.#.#", //
    "#.#.###.#.#.#", //
    "#...#.....#..", //
    "#############", //
};

// The pencil lies from its point at the lower left to its eraser at the upper right.
constexpr double PointX = 4.0, PointY = 28.0;
constexpr double EndX = 28.0, EndY = 4.0;
constexpr double HalfWidth = 2.6;
constexpr double LeadLength = 2.5;   // graphite at the very point
constexpr double ConeLength = 7.0;   // sharpened wood, lead included
constexpr double EraserLength = 3.5; // at the far end
constexpr double FerruleLength = 2.5;

void drawFrame(Figure& icon)
{
    icon.fillRect(0, 0, IconSize - 1, IconSize - 1, colours::IconFrame);
    icon.fillRect(FrameWidth, FrameWidth, IconSize - 1 - FrameWidth, IconSize - 1 - FrameWidth,
                  colours::IconGround);
}

void drawMaze(Figure& icon)
{
    for (int row = 0; row < PlanSize; ++row)
        for (int column = 0; column < PlanSize; ++column) {
            if (MazePlan[row][column] != '#')
                continue;
            const int x = MazeOrigin + column * MazeUnit;
            const int y = MazeOrigin + row * MazeUnit;
            icon.fillRect(x, y, x + MazeUnit - 1, y + MazeUnit - 1, colours::IconWall);
        }
}

// The colour of the pencil at (u, v): u along its axis from the point, v across it.
// v grows toward the upper left, the lit side.
std::optional<QRgb> pencilColour(double u, double v, double length)
{
    if (u < 0.0 || u > length)
        return std::nullopt;
    if (u < ConeLength) {
        if (std::abs(v) > HalfWidth * u / ConeLength + 0.5)
            return std::nullopt;
        return u < LeadLength ? colours::PencilLead : colours::PencilWood;
    }
    if (std::abs(v) > HalfWidth)
        return std::nullopt;
    if (u > length - EraserLength)
        return colours::PencilEraser;
    if (u > length - EraserLength - FerruleLength)
        return colours::PencilFerrule;
    // Three facets of the hexagonal body, lit from above.
    if (v > HalfWidth / 3)
        return colours::PencilLight;
    if (v < -HalfWidth / 3)
        return colours::PencilDark;
    return colours::PencilBody;
}

void drawPencil(Figure& icon)
{
    const double dx = EndX - PointX, dy = EndY - PointY;
    const double length = std::hypot(dx, dy);
    const double ax = dx / length, ay = dy / length; // along the axis
    const double cx = ay, cy = -ax;                  // across, toward the upper left
    Figure pencil(IconSize, IconSize);
    for (int y = 0; y < IconSize; ++y)
        for (int x = 0; x < IconSize; ++x) {
            const double px = x + 0.5 - PointX, py = y + 0.5 - PointY;
            if (const auto c = pencilColour(px * ax + py * ay, px * cx + py * cy, length))
                pencil.paint(x, y, *c);
        }
    pencil.outline(colours::Black);
    icon.paste(pencil, 0, 0);
}

} // namespace

Figure programIcon()
{
    Figure icon(IconSize, IconSize);
    drawFrame(icon);
    drawMaze(icon);
    drawPencil(icon);
    return icon;
}

} // namespace orvane::chipgen
