#include "Figure.h"

#include "Colours.h"

namespace orvane::chipgen {

Figure::Figure(int width, int height)
    : width_(width), height_(height), colour_(width * height, colours::White),
      opaque_(width * height, false)
{
}

void Figure::paint(int x, int y, QRgb colour)
{
    if (!contains(x, y))
        return;
    colour_[index(x, y)] = colour;
    opaque_[index(x, y)] = true;
}

void Figure::fillRect(int x0, int y0, int x1, int y1, QRgb colour)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            paint(x, y, colour);
}

void Figure::paste(const Figure& other, int x, int y)
{
    for (int oy = 0; oy < other.height(); ++oy)
        for (int ox = 0; ox < other.width(); ++ox)
            if (other.opaque(ox, oy))
                paint(x + ox, y + oy, other.colour(ox, oy));
}

bool Figure::onEdge(int x, int y) const
{
    return opaque(x, y) &&
           (!opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) || !opaque(x, y + 1));
}

void Figure::outline(QRgb colour)
{
    std::vector<bool> edge(opaque_.size());
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            edge[index(x, y)] = onEdge(x, y);
    for (std::size_t i = 0; i < edge.size(); ++i)
        if (edge[i])
            colour_[i] = colour;
}

Figure Figure::mirroredLeftRight() const
{
    Figure out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (opaque(x, y))
                out.paint(width_ - 1 - x, y, colour(x, y));
    return out;
}

Figure Figure::mirroredTopBottom() const
{
    Figure out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (opaque(x, y))
                out.paint(x, height_ - 1 - y, colour(x, y));
    return out;
}

Figure Figure::transposed() const
{
    Figure out(height_, width_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (opaque(x, y))
                out.paint(y, x, colour(x, y));
    return out;
}

} // namespace orvane::chipgen
