#pragma once

#include <QImage>
#include <QRect>

namespace orvane {

class ChipSheet;

// A window's map picture and the window around it, as drawing uses them. The
// editor and the player each provide one; ImageCanvas is a bare picture for
// tools and tests.
class MapCanvas {
public:
    virtual ~MapCanvas() = default;

    // The map picture's backing image (Format_RGB32) and the chips drawn on it.
    virtual QImage& mapPicture() = 0;
    virtual const ChipSheet& chips() const = 0;
    // Notes a part of the map picture that drawing changed.
    virtual void markDirty(const QRect& /*pixels*/) {}
    // Sets the map picture's size in pixels, keeping what it shows (unless
    // called by resizeMapToCover).
    virtual void resizeMap(int width, int height) = 0;
    // Sets the map picture's size for a drawing that covers every pixel: what
    // the picture shows until then is undefined, so nothing need be kept or
    // filled. Calls resizeMap, which meanwhile sees keepsPixels() false.
    void resizeMapToCover(int width, int height);
    // Makes what was drawn on the map picture visible.
    virtual void refreshMap() = 0;

    // The window's busy state while a full redraw runs: the hourglass pointer
    // and the preparing text while on.
    virtual void setBusy(bool busy) = 0;
    // Repaints the whole window now, so the busy state shows.
    virtual void refreshWindow() {}
    // Fits the editor's scroll bars to a map of width x height cells.
    virtual void fitScrollBars(int /*width*/, int /*height*/) {}

    // Draws sheet chip (column, row) at cell (x, y) and marks it dirty.
    void drawChip(int x, int y, int column, int row);

protected:
    // Whether the resizeMap under way must keep what the picture shows.
    bool keepsPixels() const { return keepsPixels_; }

private:
    bool keepsPixels_ = true;
};

} // namespace orvane
