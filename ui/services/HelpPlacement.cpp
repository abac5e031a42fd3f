#include "HelpPlacement.h"

#include <QMdiSubWindow>
#include <QWidget>

#include <algorithm>

namespace orvane {
namespace {

// Room for the window manager's frame round the help window, and for its
// title bar above it: the place is the window's inside.
constexpr int FrameAllowance = 8;
constexpr int TitleBarAllowance = 32;

} // namespace

QRect helpWindowPlace(const QRect& screen, const QRect& beside, QSize wanted)
{
    const QRect free =
        screen.adjusted(FrameAllowance, TitleBarAllowance, -FrameAllowance, -FrameAllowance);
    int width = std::min(wanted.width(), free.width());
    int top = free.top();
    if (!beside.isEmpty()) {
        const int room = free.right() - beside.right() - FrameAllowance;
        width = std::min(width, std::max(room, MinHelpWidth));
        top = std::max(top, beside.top());
    }
    const int height = std::min(wanted.height(), free.bottom() + 1 - top);
    return {free.right() + 1 - width, top, width, std::max(height, 0)};
}

QRect childWindowsOf(const QWidget* mainWindow)
{
    QRect children;
    for (const QMdiSubWindow* child : mainWindow->findChildren<QMdiSubWindow*>())
        if (child->isVisible())
            children |= QRect(child->mapToGlobal(QPoint(0, 0)), child->size());
    return children;
}

} // namespace orvane
