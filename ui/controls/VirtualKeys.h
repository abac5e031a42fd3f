#pragma once

#include <Qt>

#include <optional>

namespace orvane {

// Key codes as the handlers are written for them: the window system's
// virtual-key codes (Left 37, Up 38, Right 39, Down 40, Space 32, letters and
// digits as their upper-case ASCII codes, Enter 13, Escape 27, ...).
namespace VirtualKey {
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
} // namespace VirtualKey

// The virtual-key code of a Qt key, or nothing for a key that has none.
std::optional<int> virtualKeyCode(int qtKey);

// The Shift argument of a key handler: 1 Shift, 2 Ctrl, 4 Alt, added up.
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace orvane
