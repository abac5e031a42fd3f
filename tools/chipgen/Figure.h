#pragma once

#include <QRgb>

#include <vector>

namespace orvane::chipgen {

// A small picture being drawn: a colour per pixel and whether the pixel
// belongs to the figure (opaque) or lets the background through.
class Figure {
public:
    Figure(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }

    bool opaque(int x, int y) const { return contains(x, y) && opaque_[index(x, y)]; }
    QRgb colour(int x, int y) const { return colour_[index(x, y)]; }

    void paint(int x, int y, QRgb colour);
    // Paints the rectangle x0..x1, y0..y1, both ends included.
    void fillRect(int x0, int y0, int x1, int y1, QRgb colour);
    // Draws another figure's opaque pixels with its top-left corner at (x, y).
    void paste(const Figure& other, int x, int y);

    // Opaque pixels with a transparent 4-neighbour (or the picture's edge beside them).
    bool onEdge(int x, int y) const;
    // Repaints the figure's edge pixels, giving it a one-pixel outline.
    void outline(QRgb colour);

    Figure mirroredLeftRight() const;
    Figure mirroredTopBottom() const;
    Figure transposed() const; // swaps x and y

private:
    int index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<QRgb> colour_;
    std::vector<bool> opaque_;
};

} // namespace orvane::chipgen
