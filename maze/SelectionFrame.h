#pragma once

#include <QRect>

class QPainter;

namespace orvane {

// The editor's selection outline round the whole of `frame` (pixels): black
// dashes on white, so that it shows on every chip.
void drawSelectionFrame(QPainter& painter, const QRect& frame);

} // namespace orvane
