#include "MazeWindow.h"

#include "MapRedraw.h"

namespace orvane {

MazeWindow::MazeWindow(MazeState& maze, PlatformServices& services, const QString& caption,
                       QSize clientSize, QWidget* parent)
    : QWidget(parent), maze_(maze), services_(services), chips_(ChipSheet::standard())
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
}

MazeWindow::~MazeWindow() = default;

void MazeWindow::attachMap(PictureBox& map, StatusBar& status,
                           WindowMapCanvas::FitScrollBars fitScrollBars)
{
    canvas_ =
        std::make_unique<WindowMapCanvas>(*this, map, status, chips_, std::move(fitScrollBars));
}

void MazeWindow::drawChip(int x, int y, int column, int row)
{
    canvas_->drawChip(x, y, column, row);
}

void MazeWindow::redrawMap(int16_t width, int16_t height)
{
    RedrawMap(maze_, *canvas_, width, height);
}

} // namespace orvane
