#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// Edge of a cell, of a sheet tile and of one scroll step, in pixels.
inline constexpr int ChipSize = 16;

// TimeLimit value meaning "this maze has no time limit".
inline constexpr int16_t NoTimeLimit = 1000;

// Both grid indices run from GridMin to GridMax inclusive; -5..-1 is a margin
// that neighbour look-ups may touch.
inline constexpr int GridMin = -5;
inline constexpr int GridMax = 128;
inline constexpr int GridSpan = GridMax - GridMin + 1; // 134
inline constexpr int GridCellCount = GridSpan * GridSpan;

// Map sizes a file may hold; the editor offers only MapSizes.
inline constexpr int MapSizeMin = 1;
inline constexpr int MapSizeMax = 128;

struct MapSize {
    int16_t width;
    int16_t height;
    friend constexpr bool operator==(MapSize, MapSize) = default;
};

// The eight sizes of the editor's size buttons, in button order.
inline constexpr std::array<MapSize, 8> MapSizes{{
    {32, 32},
    {32, 64},
    {64, 32},
    {64, 64},
    {96, 64},
    {64, 96},
    {96, 96},
    {128, 128},
}};

inline constexpr MapSize DefaultMapSize = MapSizes[0];
inline constexpr int16_t DefaultTimeLimit = 60;

// Chip codes stored in MazeCell::Chip.
inline constexpr int16_t UnsetChip = 0;
inline constexpr int16_t FirstWall = 1;
inline constexpr int16_t LastWall = 6;
inline constexpr int16_t FirstFloor = 7;
inline constexpr int16_t LastFloor = 12;

// Item codes stored in MazeCell::Item.
inline constexpr int16_t NoItem = 0;
inline constexpr int16_t ArrowUp = 1;
inline constexpr int16_t ArrowDown = 2;
inline constexpr int16_t ArrowLeft = 3;
inline constexpr int16_t ArrowRight = 4;

// Palette codes (SelectedChip) beyond the chips: items, then the two markers.
inline constexpr int16_t FirstItemCode = 13;
inline constexpr int16_t LastItemCode = 16;
inline constexpr int16_t StartCode = 17;
inline constexpr int16_t GoalCode = 18;

} // namespace orvane
