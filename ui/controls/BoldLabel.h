#pragma once

#include <QLabel>

namespace orvane {

// A label for large bold text that stays bold when the font has no bold
// face: the glyph outlines are then thickened as they are painted.
class BoldLabel : public QLabel {
    Q_OBJECT
public:
    BoldLabel(const QString& text, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal strokeWidth() const;
};

} // namespace orvane
