#include "ViewZoom.h"

#include <algorithm>

namespace orvane::ViewZoom {

int zoomedIn(int cellPixels)
{
    const auto at = std::find(CellPixels.begin(), CellPixels.end(), cellPixels);
    return at == CellPixels.begin() || at == CellPixels.end() ? cellPixels : *(at - 1);
}

int zoomedOut(int cellPixels)
{
    const auto at = std::find(CellPixels.begin(), CellPixels.end(), cellPixels);
    return at == CellPixels.end() || at + 1 == CellPixels.end() ? cellPixels : *(at + 1);
}

QSize viewCells(QSize viewPixels, int cellPixels)
{
    return {viewPixels.width() / cellPixels, viewPixels.height() / cellPixels};
}

QPoint cellAt(QPoint scroll, QPoint inView, int cellPixels)
{
    return scroll + QPoint(inView.x() / cellPixels, inView.y() / cellPixels);
}

QPoint scrollKeeping(QPoint cell, QPoint inView, int cellPixels, QSize mapCells, QSize viewPixels)
{
    const QSize shown = viewCells(viewPixels, cellPixels);
    const auto keep = [](int at, int offset, int map, int view) {
        return std::clamp(at - offset, 0, std::max(map - view, 0));
    };
    return {keep(cell.x(), inView.x() / cellPixels, mapCells.width(), shown.width()),
            keep(cell.y(), inView.y() / cellPixels, mapCells.height(), shown.height())};
}

} // namespace orvane::ViewZoom
