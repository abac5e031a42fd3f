#pragma once

#include "CellDrawing.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

class ChipSheet;

// A map to be drawn by copying: each kind of cell it holds (terrain, item,
// markers) drawn once by drawCellPictures onto a tile of its own, and the tile
// of every cell, so that whole rows of a cell's pixels are copied. Only a
// cell with an opaque terrain has a tile: what any other cell shows depends on
// what lies under it, and it is drawn over that.
class MapTiles {
public:
    // Cells 0..width-1 x 0..height-1 of the maze as they are now.
    MapTiles(const MazeState& maze, const ChipSheet& chips, int width, int height);

    // Whether every cell has a tile, so that drawing covers the whole map.
    bool coverAll() const { return coverAll_; }

    // Draws the cells onto the map's picture (Format_RGB32), each as DrawCell
    // draws it; rows the picture does not hold whole are drawn clipped.
    void draw(const MazeState& maze, QImage& picture) const;

private:
    static constexpr int16_t NoTile = -1;
    static constexpr int16_t Unknown = -2;
    // One key per terrain and item of the sheet (or none) and marker pair.
    static constexpr int SheetCells = SheetColumns * SheetRows;
    static constexpr int KeyCount = SheetCells * (SheetCells + 1) * 4;
    // Chip and Item codes below these are looked up by value.
    static constexpr int CommonChips = 32;
    static constexpr int CommonItems = 8;

    int16_t tileOf(const CellPictures& pictures);
    // As tileOf(cellPictures(cell, false, false)): for a cell without markers.
    int16_t tileOf(MazeCell cell);
    std::span<const int16_t> row(int y) const;
    // Copies the tiles of cell row y; false (and nothing drawn) when the
    // picture does not hold the whole row.
    bool copyRow(QImage& picture, int y) const;

    const ChipSheet& chips_;
    int width_;
    int height_;
    std::vector<int16_t> cells_; // the tile of each cell, row by row
    bool coverAll_ = true;
    std::array<int16_t, KeyCount> byKey_;                    // tile of each kind met
    std::array<int16_t, CommonChips * CommonItems> byCodes_; // of each unmarked cell's codes
    std::vector<CellPictures> kinds_;                        // the kind of each tile
    QImage strip_;                                           // tile t at cell (t, 0)
};

} // namespace orvane
