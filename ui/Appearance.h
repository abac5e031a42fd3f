#pragma once

class QWidget;

namespace orvane {

// The program's look: the classic Windows style, the Japanese gothic UI font
// and the program icon. Called once at start, before any window exists.
void applyAppearance();

// Gives a window the UI font as its own: a desktop theme that sets the
// application's fonts once the program runs (as some do) leaves the window's
// layout as it was measured.
void holdProgramFont(QWidget* window);

// Widens a control whose text does not fit, keeping its left edge.
void growToFitText(QWidget* control);
// Widens a control whose text does not fit, keeping its right edge.
void growLeftToFitText(QWidget* control);

} // namespace orvane
