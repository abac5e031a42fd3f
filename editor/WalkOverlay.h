#pragma once

#include "play/TraceDrawing.h"

#include <QWidget>

namespace orvane {

// Walks traced on the maze (WalkTracer) drawn over the editor's map, not
// into its picture. A child of the map picture as large as it, so it
// scrolls and grows with it; the pointer passes through it.
class WalkOverlay : public QWidget {
    Q_OBJECT
public:
    explicit WalkOverlay(QWidget* map);

    void showPicture(TracePicture picture);
    bool isShowing() const { return !isHidden(); }
    const TracePicture& picture() const { return picture_; }
    // The map is shown reduced by `factor` (1, 2 or 4): so are the walks.
    void setReduction(int factor);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TracePicture picture_;
    int reduction_ = 1;
};

} // namespace orvane
