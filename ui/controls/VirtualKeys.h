#pragma once

#include <Qt>

namespace orvane {

// Key codes as the handlers are written for them: the window system's
// virtual-key codes (Left 37, Up 38, Right 39, Down 40, Space 32, letters and
// digits as their upper-case ASCII codes, Enter 13, Escape 27, ...).
namespace VirtualKey {
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Alt = 18;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
// A key the window system has no code of its own for.
inline constexpr int NoCode = 0xFF;
} // namespace VirtualKey

// The virtual-key code of a key press: keypad keys by the keypad's codes,
// punctuation by the key that carries it on the Japanese 106/109 keyboard,
// NoCode for a key without a code.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The Shift argument of a key handler: 1 Shift, 2 Ctrl, 4 Alt, added up.
int shiftState(Qt::KeyboardModifiers modifiers);
inline constexpr int ShiftDown = 1;
inline constexpr int CtrlDown = 2;

// The Button argument of a pointer handler: 1 left, 2 right, 4 middle, added up.
int buttonState(Qt::MouseButtons buttons);

} // namespace orvane
