#pragma once

#include "Figure.h"

namespace orvane::chipgen {

inline constexpr int IconSize = 32;

// The program icon: yellow maze walls on a dark blue ground inside a cyan
// frame, a green pencil lying across. Every pixel is opaque.
Figure programIcon();

} // namespace orvane::chipgen
