#include "MapCanvas.h"

#include "ChipDraw.h"

namespace orvane {

void MapCanvas::drawChip(int x, int y, int column, int row)
{
    markDirty(DrawChip(mapPicture(), chips(), x, y, column, row));
}

} // namespace orvane
