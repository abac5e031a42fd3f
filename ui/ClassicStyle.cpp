#include "ClassicStyle.h"

#include <QStyleFactory>

namespace orvane {
namespace {

bool isTitleBarIcon(QStyle::StandardPixmap icon)
{
    switch (icon) {
    case QStyle::SP_TitleBarMenuButton:
    case QStyle::SP_TitleBarMinButton:
    case QStyle::SP_TitleBarMaxButton:
    case QStyle::SP_TitleBarCloseButton:
    case QStyle::SP_TitleBarNormalButton:
    case QStyle::SP_TitleBarShadeButton:
    case QStyle::SP_TitleBarUnshadeButton:
    case QStyle::SP_TitleBarContextHelpButton:
        return true;
    default:
        return false;
    }
}

} // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (!isTitleBarIcon(icon))
        return QProxyStyle::standardIcon(icon, option, widget);
    auto made = titleBarIcons_.constFind(icon);
    if (made == titleBarIcons_.constEnd())
        made = titleBarIcons_.insert(icon, QProxyStyle::standardIcon(icon, option, widget));
    return *made;
}

} // namespace orvane
