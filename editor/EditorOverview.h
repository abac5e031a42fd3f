#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

class QScrollBar;

namespace orvane {

class ChipSheet;
class MapOverview;
class PictureBox;
class RouteOverlay;
class WindowPlaceService;
struct MazeState;

// The cells of the editor's map that a part of its picture shows, at
// ChipSize pixels a cell: a cell partly in it counts.
QRect cellsOfPixels(const QRect& pixels);

// The editor's overview window and its wiring to the editor. It opens where
// the user last put it, while that is on a screen and clear of the map, else
// beside the editor; it keeps its place and size. It follows the map as the
// editor draws it (a whole map at its new size, at once), the view's place
// and size, and the check's route. A click, a drag, the arrow keys and the
// wheel in it move the view; it closes with the editor.
class EditorOverview : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const MazeState& maze;
        const ChipSheet& chips;
        QWidget& editor;    // owns the window; its frame is kept clear
        PictureBox& map;    // the map picture, in its viewport, kept clear
        QScrollBar& across; // the view's place, in cells
        QScrollBar& down;
        RouteOverlay& route; // the check shown on the map
        WindowPlaceService& places;
        std::function<QSize()> viewCells; // the view's size in cells
    };
    // The name the window's place is kept under.
    static inline const QString PlaceName = QStringLiteral("Overview");

    EditorOverview(const Parts& parts, QObject* parent);

    void toggle();
    void show();
    bool isShown() const;
    MapOverview* window() const { return window_; }

    // A part of the map picture was drawn, in pixels: a whole picture is a
    // whole map, possibly of a new size.
    void mapDrawn(const QRect& pixels);
    // The view moved or changed its size: the outline follows.
    void followView();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followRoute();
    // Where the window opens now.
    QRect place() const;

    Parts parts_;
    MapOverview* window_;
};

} // namespace orvane
