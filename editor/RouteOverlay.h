#pragma once

#include "play/Analysis.h"

#include <QWidget>

namespace orvane {

// The check's answer drawn over the editor's map, not into its picture: the
// route and the traps, as `orvane-mdt render --route` draws them. A child of
// the map picture, so it scrolls with it; the pointer passes through it.
class RouteOverlay : public QWidget {
    Q_OBJECT
public:
    explicit RouteOverlay(QWidget* map);

    void showAnalysis(MazeAnalysis analysis);
    // Whether an answer is shown.
    bool isShowing() const { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MazeAnalysis analysis_;
};

} // namespace orvane
