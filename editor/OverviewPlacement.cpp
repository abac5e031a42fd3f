#include "OverviewPlacement.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

// How much of a remembered place must lie on a screen for the user to reach
// it and move it again.
constexpr int MinOnScreen = 48;

enum class Side { Right, Left, Below, Above };
constexpr std::array Sides{Side::Right, Side::Left, Side::Below, Side::Above};

// The part of `screen` on `side` of `obstacle`.
QRect roomBeside(const QRect& screen, const QRect& obstacle, Side side)
{
    QRect room = screen;
    switch (side) {
    case Side::Right:
        room.setLeft(std::max(screen.left(), obstacle.right() + 1));
        break;
    case Side::Left:
        room.setRight(std::min(screen.right(), obstacle.left() - 1));
        break;
    case Side::Below:
        room.setTop(std::max(screen.top(), obstacle.bottom() + 1));
        break;
    case Side::Above:
        room.setBottom(std::min(screen.bottom(), obstacle.top() - 1));
        break;
    }
    return room;
}

// `outer` in `room` against `obstacle`'s side, level with its top (left and
// right) or its left edge (below and above); nothing when it does not fit.
std::optional<QRect> besideIn(const QRect& room, const QRect& obstacle, Side side, QSize outer,
                              QSize minOuter)
{
    if (room.width() < minOuter.width() || room.height() < minOuter.height())
        return std::nullopt;
    const QSize size = outer.boundedTo(room.size()).expandedTo(minOuter);
    const int top = std::clamp(obstacle.top(), room.top(), room.bottom() + 1 - size.height());
    const int left = std::clamp(obstacle.left(), room.left(), room.right() + 1 - size.width());
    switch (side) {
    case Side::Right:
        return QRect(QPoint(room.left(), top), size);
    case Side::Left:
        return QRect(QPoint(room.right() + 1 - size.width(), top), size);
    case Side::Below:
        return QRect(QPoint(left, room.top()), size);
    case Side::Above:
        return QRect(QPoint(left, room.bottom() + 1 - size.height()), size);
    }
    return std::nullopt;
}

bool onScreen(const QList<QRect>& screens, const QRect& outer)
{
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        const QRect shown = screen & outer;
        return shown.width() >= std::min(MinOnScreen, outer.width()) &&
               shown.height() >= std::min(MinOnScreen, outer.height());
    });
}

} // namespace

QRect overviewPlace(const OverviewPlaceRequest& r)
{
    if (r.remembered && onScreen(r.screens, *r.remembered + r.frame) &&
        !(*r.remembered + r.frame).intersects(r.map))
        return *r.remembered;
    const QSize margins(r.frame.left() + r.frame.right(), r.frame.top() + r.frame.bottom());
    const QSize outer = r.size.expandedTo(r.minSize) + margins;
    const QSize minOuter = r.minSize + margins;
    for (const QRect& obstacle : {r.editor, r.map})
        for (const QRect& screen : r.screens)
            for (Side side : Sides)
                if (const auto place = besideIn(roomBeside(screen, obstacle, side), obstacle, side,
                                                outer, minOuter))
                    return *place - r.frame;
    const QRect screen = r.screens.value(0, QRect(QPoint(0, 0), outer));
    return QRect(screen.topLeft(), outer.boundedTo(screen.size())) - r.frame;
}

} // namespace orvane
