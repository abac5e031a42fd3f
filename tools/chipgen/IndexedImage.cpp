#include "IndexedImage.h"

#include <stdexcept>

namespace orvane::chipgen {

IndexedImage toIndexed(const Figure& picture, const Palette& palette)
{
    IndexedImage image{picture.width(), picture.height(), {}};
    image.pixels.reserve(picture.width() * picture.height());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int entry = palette.indexOf(picture.colour(x, y));
            if (entry < 0)
                throw std::runtime_error("a colour is missing from the palette");
            image.pixels.push_back(static_cast<uint8_t>(entry));
        }
    return image;
}

QImage toQImage(const IndexedImage& image, const Palette& palette, int scale)
{
    QImage out(image.width * scale, image.height * scale, QImage::Format_Indexed8);
    out.setColorTable(QList<QRgb>(palette.entries().begin(), palette.entries().end()));
    for (int y = 0; y < out.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < out.width(); ++x)
            line[x] = image.at(x / scale, y / scale);
    }
    return out;
}

} // namespace orvane::chipgen
