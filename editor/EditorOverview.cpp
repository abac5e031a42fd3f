#include "EditorOverview.h"

#include "MapOverview.h"
#include "MazeState.h"
#include "OverviewPlacement.h"
#include "PictureBox.h"
#include "PlatformServices.h"
#include "RouteOverlay.h"
#include "ViewZoom.h"
#include "frmEdit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>

namespace orvane {
namespace {

// Room for the window manager's frame round a window not shown yet, and for
// its title bar above it.
constexpr int FrameAllowance = 8;
constexpr int TitleBarAllowance = 32;

// The cell a pixel lies in, rounding toward the top-left.
int cellOf(int pixel)
{
    return pixel >= 0 ? pixel / ChipSize : (pixel - ChipSize + 1) / ChipSize;
}

// The frame of the editor on the screen: its frame in the main window, or
// its own window's.
QRect frameOf(const QWidget& editor)
{
    if (const auto* frame = qobject_cast<const QMdiSubWindow*>(editor.parentWidget()))
        return {frame->mapToGlobal(QPoint(0, 0)), frame->size()};
    return editor.window()->frameGeometry();
}

QRect globalRect(const QWidget& widget)
{
    return {widget.mapToGlobal(QPoint(0, 0)), widget.size()};
}

} // namespace

QRect cellsOfPixels(const QRect& pixels)
{
    if (pixels.isEmpty())
        return {};
    return QRect(QPoint(cellOf(pixels.left()), cellOf(pixels.top())),
                 QPoint(cellOf(pixels.right()), cellOf(pixels.bottom())));
}

EditorOverview::EditorOverview(const Parts& parts, QObject* parent)
    : QObject(parent), parts_(parts),
      window_(new MapOverview(parts.maze, parts.chips, &parts.editor))
{
    connect(window_, &MapOverview::viewMoved, this, [this](QPoint topLeft) {
        parts_.across.setValue(topLeft.x());
        parts_.down.setValue(topLeft.y());
    });
    connect(window_, &MapOverview::scrollRequested, this, [this](QPoint cells) {
        parts_.across.setValue(parts_.across.value() + cells.x());
        parts_.down.setValue(parts_.down.value() + cells.y());
    });
    for (QScrollBar* bar : {&parts_.across, &parts_.down}) {
        connect(bar, &QScrollBar::valueChanged, this, &EditorOverview::followView);
        connect(bar, &QScrollBar::rangeChanged, this, &EditorOverview::followView);
    }
    window_->installEventFilter(this);
    parts_.editor.installEventFilter(this);
    parts_.route.installEventFilter(this);
}

void EditorOverview::toggle()
{
    if (isShown())
        window_->close();
    else
        show();
}

void EditorOverview::show()
{
    if (isShown())
        return;
    window_->mapChanged();
    followView();
    followRoute();
    window_->setGeometry(place());
    window_->show();
}

bool EditorOverview::isShown() const
{
    return window_->isVisible();
}

void EditorOverview::mapDrawn(const QRect& pixels)
{
    if (!isShown())
        return;
    const QSize picture = parts_.map.image().size();
    if (pixels == QRect(QPoint(0, 0), picture))
        window_->mapChanged(QSize(picture.width() / ChipSize, picture.height() / ChipSize));
    else
        window_->cellsChanged(cellsOfPixels(pixels));
}

void EditorOverview::followView()
{
    window_->setView(QRect(QPoint(parts_.across.value(), parts_.down.value()), parts_.viewCells()));
}

void EditorOverview::followRoute()
{
    if (parts_.route.isShowing())
        window_->showRoute(parts_.route.analysis().routeCells, parts_.route.analysis().traps);
    else
        window_->hideRoute();
}

QRect EditorOverview::place() const
{
    OverviewPlaceRequest request;
    const QScreen* own = parts_.editor.screen();
    request.screens << own->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != own)
            request.screens << screen->availableGeometry();
    request.editor = frameOf(parts_.editor);
    request.map = globalRect(*parts_.map.parentWidget());
    const QRect frame = window_->frameGeometry();
    const QRect inside = window_->geometry();
    request.frame =
        window_->testAttribute(Qt::WA_WState_Created) && frame != inside
            ? QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
                       frame.right() - inside.right(), frame.bottom() - inside.bottom())
            : QMargins(FrameAllowance, TitleBarAllowance, FrameAllowance, FrameAllowance);
    request.remembered = parts_.places.place(PlaceName);
    request.size = request.remembered ? request.remembered->size() : window_->size();
    request.minSize = window_->minimumSize();
    return overviewPlace(request);
}

bool EditorOverview::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == window_ && (type == QEvent::Move || type == QEvent::Resize) && isShown())
        parts_.places.remember(PlaceName, window_->geometry());
    else if (watched == &parts_.route && (type == QEvent::Show || type == QEvent::Hide))
        followRoute();
    else if (watched == &parts_.editor && type == QEvent::Close)
        window_->close();
    return QObject::eventFilter(watched, event);
}

// The editor's part: the overview is made when it first opens.

EditorOverview& frmEdit::overviewWiring()
{
    if (!overview_) {
        overview_ = new EditorOverview({maze_, chips(), *this, *picMap, *scrYoko, *scrTate,
                                        *routeOverlay_, services_.windowPlaces,
                                        [this] { return QSize(viewCells(), viewCells()); }},
                                       this);
        onMapDrawn([this](const QRect& pixels) { overview_->mapDrawn(pixels); });
        connect(this, &frmEdit::zoomChanged, overview_, &EditorOverview::followView);
        // Ctrl+wheel over it zooms the map about the cell pointed at, brought
        // into view first.
        connect(overview_->window(), &MapOverview::zoomRequested, this,
                [this](int steps, QPoint cell) {
                    int cellPixels = zoom();
                    for (; steps > 0; --steps)
                        cellPixels = ViewZoom::zoomedIn(cellPixels);
                    for (; steps < 0; ++steps)
                        cellPixels = ViewZoom::zoomedOut(cellPixels);
                    const QRect view(scrYoko->value(), scrTate->value(), viewCells(), viewCells());
                    if (!view.contains(cell))
                        scrollViewBy(cell - view.center());
                    setZoom(cellPixels, cell);
                });
    }
    return *overview_;
}

void frmEdit::toggleOverview()
{
    overviewWiring().toggle();
}

void frmEdit::showOverview()
{
    overviewWiring().show();
}

bool frmEdit::showsOverview() const
{
    return overview_ && overview_->isShown();
}

MapOverview* frmEdit::overview() const
{
    return overview_ ? overview_->window() : nullptr;
}

} // namespace orvane
