#include "MapCanvas.h"

#include "ChipDraw.h"

#include <QScopedValueRollback>

namespace orvane {

void MapCanvas::resizeMapToCover(int width, int height)
{
    const QScopedValueRollback keeps(keepsPixels_, false);
    resizeMap(width, height);
}

void MapCanvas::drawChip(int x, int y, int column, int row)
{
    markDirty(DrawChip(mapPicture(), chips(), x, y, column, row));
}

} // namespace orvane
