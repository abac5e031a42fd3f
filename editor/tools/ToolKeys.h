#pragma once

#include <QObject>

#include <functional>

class QKeySequence;
class QShortcut;

namespace orvane {

class MapTools;
class frmEdit;

// The keys of the editor's tools. They act whenever the editor is the active
// window and no text box has the focus, whichever control has it: Ctrl+A,
// C, X, V and G, Delete, Esc, R, H, V, O, F, I, M and the zoom keys. While a
// paste floats, the arrow keys, Enter and Space move and place it wherever
// the focus is (text boxes aside), as R, H, V and Esc turn and drop it.
class ToolKeys : public QObject {
    Q_OBJECT
public:
    ToolKeys(frmEdit& window, MapTools& tools);

private:
    QShortcut* add(const QKeySequence& keys, std::function<void()> action);

    frmEdit& window_;
};

} // namespace orvane
