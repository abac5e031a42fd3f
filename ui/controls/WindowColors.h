#pragma once

#include <QPalette>

namespace orvane::WindowColors {

// The system colours the layouts name, as palette roles.
inline constexpr QPalette::ColorRole WindowBackground = QPalette::Base; // system colour 5
inline constexpr QPalette::ColorRole WindowText = QPalette::Text;       // system colour 8
inline constexpr QPalette::ColorRole WindowFrame = QPalette::Shadow;    // system colour 6

} // namespace orvane::WindowColors
