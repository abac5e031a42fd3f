#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

namespace orvane {

class frmEdit;

// A drag held at the edge of the editor's view scrolls the map on, a cell a
// tick, until the map's end or the pointer leaves the edge; after each tick
// the pointer, standing still over a map that moved, moves where it is.
class EdgeScroll : public QObject {
    Q_OBJECT
public:
    using MoveAt = std::function<void(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint inView)>;

    EdgeScroll(frmEdit& window, MoveAt moveAt);

    // The pointer dragging at `inView`, pixels of the view.
    void drag(QPoint inView, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys);
    void stop() { timer_.stop(); }
    bool isActive() const { return timer_.isActive(); }

private:
    void tick();

    frmEdit& window_;
    MoveAt moveAt_;
    QTimer timer_;
    QPoint step_;    // the way it goes, in cells
    QPoint pointer_; // where the pointer stands in the view
    Qt::MouseButtons buttons_;
    Qt::KeyboardModifiers keys_;
};

} // namespace orvane
