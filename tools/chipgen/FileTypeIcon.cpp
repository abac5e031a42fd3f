#include "FileTypeIcon.h"

#include "Colours.h"
#include "ProgramIcon.h"

#include <array>

namespace orvane::chipgen {

namespace {

// The page, both ends included, and the edge of its folded corner.
constexpr int PageLeft = 4, PageRight = 27, PageTop = 1, PageBottom = 30;
constexpr int Fold = 7;
constexpr int FoldLeft = PageRight - Fold + 1;
constexpr int FoldBottom = PageTop + Fold - 1;

constexpr int GroundLeft = 6, GroundTop = 9;
constexpr int MazeUnit = 2; // each plan character is 2 x 2 pixels
constexpr int PlanSize = 9;
constexpr int GroundSize = PlanSize * MazeUnit + 2;

// '#' wall, '.' passage; entrance on the left, exit on the right.
constexpr std::array<const char*, PlanSize> MazePlan{
    "#########", //
    "....#...#", //
    "###.#.#.#", //
    "#...#.#.#", //
    "#.###.#.#", //
    "#.....#.#", //
    "#######.#", //
    "#........", //
    "#########", //
};

// Above the fold's diagonal: the corner that is folded away.
bool cutAway(int x, int y)
{
    return x >= FoldLeft && y <= FoldBottom && x - FoldLeft > y - PageTop;
}

void drawPage(Figure& icon)
{
    for (int y = PageTop; y <= PageBottom; ++y)
        for (int x = PageLeft; x <= PageRight; ++x)
            if (!cutAway(x, y))
                icon.paint(x, y,
                           x >= FoldLeft && y <= FoldBottom ? colours::PageFold : colours::White);
    icon.outline(colours::Black);
    // The crease: the folded flap's two straight edges.
    icon.fillRect(FoldLeft, PageTop, FoldLeft, FoldBottom, colours::Black);
    icon.fillRect(FoldLeft, FoldBottom, PageRight, FoldBottom, colours::Black);
}

void drawMaze(Figure& icon)
{
    icon.fillRect(GroundLeft, GroundTop, GroundLeft + GroundSize - 1, GroundTop + GroundSize - 1,
                  colours::IconGround);
    for (int row = 0; row < PlanSize; ++row)
        for (int column = 0; column < PlanSize; ++column) {
            if (MazePlan[row][column] != '#')
                continue;
            const int x = GroundLeft + 1 + column * MazeUnit;
            const int y = GroundTop + 1 + row * MazeUnit;
            icon.fillRect(x, y, x + MazeUnit - 1, y + MazeUnit - 1, colours::IconWall);
        }
}

} // namespace

Figure fileTypeIcon()
{
    Figure icon(IconSize, IconSize);
    drawPage(icon);
    drawMaze(icon);
    return icon;
}

QImage toArgbImage(const Figure& figure, int scale)
{
    QImage image(figure.width() * scale, figure.height() * scale, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int fx = x / scale, fy = y / scale;
            image.setPixel(x, y, figure.opaque(fx, fy) ? figure.colour(fx, fy) : qRgba(0, 0, 0, 0));
        }
    return image;
}

} // namespace orvane::chipgen
