#pragma once

#include <Qt>

namespace orvane {

// Virtual-key codes of the keys the player reads.
inline constexpr int KeyCodeLeft = 37;
inline constexpr int KeyCodeUp = 38;
inline constexpr int KeyCodeRight = 39;
inline constexpr int KeyCodeDown = 40;

// The virtual-key code of a Qt key: arrows, Space, letters and digits; other
// keys get a code of 0, which no handler acts on.
constexpr int keyCodeOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return KeyCodeLeft;
    case Qt::Key_Up:
        return KeyCodeUp;
    case Qt::Key_Right:
        return KeyCodeRight;
    case Qt::Key_Down:
        return KeyCodeDown;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // same codes as ASCII capitals and digits
    return 0;
}

} // namespace orvane
