// Writes a few regions in the private clipboard form, the region fuzzer's
// starting corpus, into the folder given on the command line.

#include "MazeConstants.h"
#include "RegionClipboard.h"
#include "SeedWriter.h"

namespace {

using namespace orvane;

// Two cells, an arrow and a chip past the sheet, the goal on the second.
Region pair()
{
    Region r = blankRegion(2, 1);
    r.cells = {{FirstFloor, ArrowRight}, {-3, 19}};
    r.goal = QPoint(1, 0);
    return r;
}

// The largest region, walls round floors, both markers.
Region largest()
{
    Region r = blankRegion(MapSizeMax, MapSizeMax);
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const bool edge = x == 0 || y == 0 || x == r.width - 1 || y == r.height - 1;
            r.at(x, y).Chip = edge ? FirstWall : FirstFloor;
        }
    r.start = QPoint(1, 1);
    r.goal = QPoint(MapSizeMax - 2, MapSizeMax - 2);
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    return orvane::fuzz::writeSeeds(argc, argv,
                                    {{"pair.bin", RegionClipboard::toBytes(pair())},
                                     {"largest.bin", RegionClipboard::toBytes(largest())}});
}
