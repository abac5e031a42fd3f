#pragma once

#include <QList>
#include <QMargins>
#include <QRect>

#include <optional>

namespace orvane {

// Where the overview window opens (its inside, in screen coordinates), on
// screens whose free areas are `screens` (the editor's screen first), for an
// editor whose frame is `editor` with its map's viewport `map`; the window
// manager's frame round the inside is `frame`:
// - where the user last put it, `remembered`, when that still lies on a
//   screen and clear of the map's viewport;
// - else, its size `size` (at most what there is room for, at least
//   `minSize`), beside the editor's frame: on its right, else its left, else
//   below it, else above it, on the editor's screen, then on the others;
// - else beside the map's viewport, over the rest of the editor;
// - else at the editor's screen's top-left corner.
struct OverviewPlaceRequest {
    QList<QRect> screens;
    QRect editor;
    QRect map;
    QMargins frame;
    QSize size;
    QSize minSize;
    std::optional<QRect> remembered;
};
QRect overviewPlace(const OverviewPlaceRequest& request);

} // namespace orvane
