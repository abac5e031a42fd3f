#include "SizeChange.h"

#include "MapRedraw.h"

#include <algorithm>

namespace orvane {

bool ChangeMapSize(MazeState& maze, MapCanvas& canvas, MapSize size)
{
    return RedrawMap(maze, canvas, size.width, size.height);
}

std::optional<size_t> sizeChoiceOf(MapSize size)
{
    const auto found = std::find(MapSizes.begin(), MapSizes.end(), size);
    if (found == MapSizes.end())
        return std::nullopt;
    return size_t(found - MapSizes.begin());
}

} // namespace orvane
