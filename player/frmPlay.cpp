#include "frmPlay.h"

#include "MusicDevice.h"
#include "PictureBox.h"

namespace orvane {

frmPlay::frmPlay(MazeState& maze, PlatformServices& services, QWidget* parent)
    : MazeWindow(maze, services, Caption, ClientSize, parent)
{
    createControls();
    setTabOrder();
    attachMap(*picMap, *STB1);
    setFocusProxy(picBack);
}

frmPlay::~frmPlay() = default;

} // namespace orvane
