#pragma once

#include <QRect>
#include <QWidget>

namespace orvane {

// The editor's selection drawn over its map: a dashed outline round the
// selected cells, black dashes on white so that it shows on every chip. A
// child of the map picture, so it scrolls with it; the pointer passes
// through it.
class SelectionOverlay : public QWidget {
    Q_OBJECT
public:
    explicit SelectionOverlay(QWidget* map);

    // Outlines `cells` of a map shown at `cellPixels` a cell; hides for an
    // empty rectangle.
    void showCells(const QRect& cells, int cellPixels);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orvane
