#pragma once

#include "ChipSheet.h"
#include "MazeHeader.h"
#include "play/Analysis.h"

#include <QWidget>

namespace orvane {

// The check's answer drawn over the editor's map, not into its picture: the
// route and the traps, as `orvane-mdt render --route` draws them. A child of
// the map picture, so it scrolls with it; the pointer passes through it.
class RouteOverlay : public QWidget {
    Q_OBJECT
public:
    RouteOverlay(QWidget* map, const ChipSheet& chips);

    // The answer for a maze with this header (its markers go over the route).
    void showAnalysis(MazeAnalysis analysis, const MazeHeader& header);
    // Whether an answer is shown.
    bool isShowing() const { return !isHidden(); }
    const MazeAnalysis& analysis() const { return analysis_; }
    // The map is shown reduced by `factor` (1, 2 or 4): so is the answer.
    void setReduction(int factor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ChipSheet& chips_;
    MazeAnalysis analysis_;
    MazeHeader header_;
    int reduction_ = 1;
};

} // namespace orvane
