#pragma once

#include <QColor>
#include <QWidget>

namespace orvane {

// A rectangle outline over its container (the cursor and selection frames):
// one pixel wide, square corners, transparent inside and to the mouse.
class ShapeOutline : public QWidget {
    Q_OBJECT
public:
    ShapeOutline(QWidget* parent, QColor lineColor);
    QColor lineColor() const { return lineColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor lineColor_;
};

} // namespace orvane
