#include "frmEdit.h"

#include "PictureBox.h"

#include <QScrollBar>

namespace orvane {

frmEdit::frmEdit(MazeState& maze, PlatformServices& services, QWidget* parent)
    : MazeWindow(maze, services, Caption, ClientSize, parent)
{
    createControls();
    setTabOrder();
    attachMap(*picMap, *stb1, [this](int width, int height) {
        // A map smaller than the view needs no scrolling.
        scrTate->setMaximum(std::max(height - ViewportCells, 0));
        scrYoko->setMaximum(std::max(width - ViewportCells, 0));
    });
    setFocusProxy(picChrSet);
}

} // namespace orvane
