#include "WindowMapCanvas.h"

#include "PictureBox.h"
#include "StatusBar.h"

namespace orvane {

QString WindowMapCanvas::preparingText()
{
    return tr("準備中です");
}

WindowMapCanvas::WindowMapCanvas(QWidget& window, PictureBox& map, StatusBar& status,
                                 const ChipSheet& chips, FitScrollBars fitScrollBars)
    : window_(window), map_(map), status_(status), chips_(chips),
      fitScrollBars_(std::move(fitScrollBars))
{
}

QImage& WindowMapCanvas::mapPicture()
{
    return map_.image();
}

void WindowMapCanvas::markDirty(const QRect& pixels)
{
    map_.markDirty(pixels);
    if (drawn_)
        drawn_(pixels);
}

void WindowMapCanvas::resizeMap(int width, int height)
{
    if (keepsPixels())
        map_.resizePicture(width, height);
    else
        map_.resizeToCover(width, height);
}

void WindowMapCanvas::refreshMap()
{
    map_.Refresh();
}

void WindowMapCanvas::setBusy(bool busy)
{
    window_.setCursor(busy ? Qt::WaitCursor : Qt::ArrowCursor);
    status_.setPanelText(busy ? preparingText() : QString());
}

void WindowMapCanvas::refreshWindow()
{
    window_.repaint();
}

void WindowMapCanvas::fitScrollBars(int width, int height)
{
    if (fitScrollBars_)
        fitScrollBars_(width, height);
}

bool WindowMapCanvas::isBusy() const
{
    return window_.testAttribute(Qt::WA_SetCursor) && window_.cursor().shape() == Qt::WaitCursor;
}

} // namespace orvane
