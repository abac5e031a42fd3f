#pragma once

#include <array>

namespace orvane::chipgen {

// A capital letter as hand-made pixels: '#' is ink, '.' is paper.
inline constexpr int GlyphWidth = 6;
inline constexpr int GlyphHeight = 10;
using Glyph = std::array<const char*, GlyphHeight>;

inline constexpr Glyph GlyphS{
    ".####.", "##..##", "##....", "##....", ".####.",
    "....##", "....##", "....##", "##..##", ".####.",
};

inline constexpr Glyph GlyphG{
    ".####.", "##..##", "##....", "##....", "##.###",
    "##..##", "##..##", "##..##", "##..##", ".####.",
};

} // namespace orvane::chipgen
