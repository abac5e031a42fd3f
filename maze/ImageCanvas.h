#pragma once

#include "ChipSheet.h"
#include "MapCanvas.h"

#include <QImage>

namespace orvane {

// A map picture with no window around it: a black image that keeps what is
// drawn into it. Used by the companion tool, the tests and the benchmarks.
class ImageCanvas : public MapCanvas {
public:
    explicit ImageCanvas(const ChipSheet& chips, QImage picture = {});

    const QImage& image() const { return image_; }

    QImage& mapPicture() override { return image_; }
    const ChipSheet& chips() const override { return chips_; }
    void resizeMap(int width, int height) override;
    void refreshMap() override {}
    void setBusy(bool) override {}

private:
    const ChipSheet& chips_;
    QImage image_;
};

// Resizes a map picture, keeping its top-left content; new area is background.
QImage resizedPicture(const QImage& picture, QSize size, QRgb background);

} // namespace orvane
