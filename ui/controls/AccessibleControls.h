#pragma once

namespace orvane {

// Shows the kit's own controls to assistive technology as what they are: a
// picture box as a graphic, or a canvas when it takes the focus, with its
// value; a status bar with its text; a corner button not at all. The
// controls install this themselves; installing it again does nothing.
void installAccessibleControls();

} // namespace orvane
