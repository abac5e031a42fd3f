#pragma once

#include <QImage>
#include <QRect>

namespace orvane {

// A picture's copies at a half and a quarter of its size, each pixel the
// mean of the 2 x 2 (4 x 4) pixels it stands for: the map shown at 8 and 4
// pixels a cell. They follow the picture a part at a time, as it is drawn,
// so that showing a reduced picture costs no more than showing the picture.
class ReducedPictures {
public:
    // How much the copies reduce.
    static constexpr int Half = 2;
    static constexpr int Quarter = 4;

    // Brings the copies' part of `pixels` (of `picture`, Format_RGB32) up to
    // date; the whole of them when the picture's size changed.
    void update(const QImage& picture, const QRect& pixels);
    // The copy at `factor` (Half or Quarter).
    const QImage& at(int factor) const { return factor == Half ? half_ : quarter_; }

private:
    QImage half_;
    QImage quarter_;
};

// Each pixel of `to` in `part` the mean of the 2 x 2 pixels of `from` it
// stands for (Format_RGB32 both, `to` half the size of `from`).
void halvePart(const QImage& from, QImage& to, const QRect& part);

} // namespace orvane
