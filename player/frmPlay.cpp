#include "frmPlay.h"

#include "IntervalTimer.h"
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

void frmPlay::windowClosing()
{
    tim1->setInterval(0);
    if (MMC1) {
        MMC1->disconnect(this);
        MMC1->command(MusicDevice::Close);
        MMC1.reset();
    }
}

} // namespace orvane
