#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace orvane {

// Where the help window opens: at the right edge of the screen's free area
// `screen`, level with the top of `beside` (the main window's child windows,
// in screen coordinates; empty when there is none) and no wider than the
// room to its right, so that it covers none of it; but never narrower than
// MinHelpWidth, which on a small screen may cover part of it. Size at most
// `wanted`. The place is the window's inside: its frame and its title bar
// are left room for, so that the whole window lies on the screen.
inline constexpr int MinHelpWidth = 400;
QRect helpWindowPlace(const QRect& screen, const QRect& beside, QSize wanted);

// What the help window must not cover in `mainWindow`: its visible child
// windows, in screen coordinates; empty when it has none.
QRect childWindowsOf(const QWidget* mainWindow);

} // namespace orvane
