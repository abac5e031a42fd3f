#include "ImageCanvas.h"

#include "ChipDraw.h"

#include <QPainter>

namespace orvane {

QImage resizedPicture(const QImage& picture, QSize size, QRgb background)
{
    if (picture.size() == size)
        return picture;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(background);
    if (!picture.isNull()) {
        QPainter p(&resized);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, picture);
    }
    return resized;
}

ImageCanvas::ImageCanvas(const ChipSheet& chips, QImage picture)
    : chips_(chips), image_(picture.convertToFormat(QImage::Format_RGB32))
{
}

void ImageCanvas::resizeMap(int width, int height)
{
    const QSize size(width, height);
    if (keepsPixels())
        image_ = resizedPicture(image_, size, qRgb(0, 0, 0));
    else if (image_.size() != size)
        image_ = QImage(size, QImage::Format_RGB32);
}

} // namespace orvane
