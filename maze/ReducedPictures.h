#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

namespace orvane {

// A picture's copies at a half and a quarter of its size, each pixel the
// mean of the 2 x 2 (4 x 4) pixels it stands for: the map shown at 8 and 4
// pixels a cell. They follow the picture as it is drawn, a part at a time:
// a small part (a painted cell, a line) when the picture is refreshed, a
// large one (a full redraw) only where it is about to be shown reduced, so
// that painting, scrolling and zooming cost the same at every size and a
// redraw shown whole costs nothing more.
class ReducedPictures {
public:
    // How much the copies reduce.
    static constexpr int Half = 2;
    static constexpr int Quarter = 4;
    // The largest part brought up to date at once, in pixels of the picture.
    static constexpr int SettledArea = 256 * 256;

    // `pixels` of the picture were drawn: the copies there are out of date.
    void drawn(const QRect& pixels);
    // Brings the small parts drawn up to date (the picture refreshed).
    void settle(const QImage& picture);
    // Brings the copies up to date in `pixels`, about to be shown.
    void bringUpToDate(const QImage& picture, const QRect& pixels);
    // The copy at `factor` (Half or Quarter).
    const QImage& at(int factor) const { return factor == Half ? half_ : quarter_; }

private:
    // Fits the copies to the picture: out of date everywhere when they change.
    void follow(const QImage& picture);
    void reduce(const QImage& picture, const QRect& blocks);

    QImage half_;
    QImage quarter_;
    QRegion outOfDate_; // in whole blocks of Quarter pixels of the picture
};

// Each pixel of `to` in `part` the mean of the 2 x 2 pixels of `from` it
// stands for (Format_RGB32 both, `to` half the size of `from`).
void halvePart(const QImage& from, QImage& to, const QRect& part);

} // namespace orvane
