#include "MazeWindow.h"

#include "Appearance.h"
#include "MapRedraw.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "PlatformServices.h"
#include "StatusBar.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QMdiSubWindow>

namespace orvane {

QString MazeWindow::loadingText()
{
    return tr("読み込み中です");
}

MazeWindow::MazeWindow(MazeState& maze, PlatformServices& services, const QString& caption,
                       QSize clientSize, QWidget* parent)
    : QWidget(parent), maze_(maze), services_(services), chips_(ChipSheet::standard())
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
    holdProgramFont(this);
}

MazeWindow::~MazeWindow() = default;

void MazeWindow::attachMap(PictureBox& map, StatusBar& status,
                           WindowMapCanvas::FitScrollBars fitScrollBars)
{
    canvas_ =
        std::make_unique<WindowMapCanvas>(*this, map, status, chips_, std::move(fitScrollBars));
    status_ = &status;
}

void MazeWindow::showStatus(const QString& text)
{
    status_->setPanelText(text);
    status_->repaint();
}

bool MazeWindow::loadMazeFile(const QString& path)
{
    const QString statusBefore = status_->panelText();
    showStatus(loadingText());
    if (const MazeFileError error = MazeFile::load(path, maze_)) {
        showStatus(statusBefore);
        services_.messageBox.show(this, mazeFileMessage(error));
        return false;
    }
    return true;
}

void MazeWindow::drawChip(int x, int y, int column, int row)
{
    canvas_->drawChip(x, y, column, row);
}

void MazeWindow::redrawMap(int16_t width, int16_t height)
{
    RedrawMap(maze_, *canvas_, width, height);
}

void MazeWindow::focusInEvent(QFocusEvent* event)
{
    if (openingFocus_)
        openingFocus_->setFocus(event->reason());
}

void MazeWindow::closeEvent(QCloseEvent* event)
{
    if (!closed_) {
        closed_ = true;
        windowClosing();
        setEnabled(false); // no key or click reaches a handler any more
    }
    event->accept();
    // The frame closes (and is deleted) with its window; closing a frame
    // that is already closing does nothing.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
}

} // namespace orvane
