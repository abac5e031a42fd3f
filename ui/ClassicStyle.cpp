#include "ClassicStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

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

// The icon's shapes filled with one colour.
QIcon inColour(const QIcon& icon, const QColor& colour)
{
    QIcon coloured;
    for (const QSize size : icon.availableSizes()) {
        QPixmap glyph = icon.pixmap(size);
        QPainter p(&glyph);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(glyph.rect(), colour);
        p.end();
        coloured.addPixmap(glyph);
    }
    return coloured;
}

} // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (!isTitleBarIcon(icon))
        return QProxyStyle::standardIcon(icon, option, widget);
    // The menu button shows the window's icon; the others are glyphs.
    const bool glyph = option && icon != SP_TitleBarMenuButton;
    const QRgb colour = glyph ? option->palette.color(QPalette::ButtonText).rgba() : 0;
    auto made = titleBarIcons_.constFind({icon, colour});
    if (made == titleBarIcons_.constEnd()) {
        const QIcon standard = QProxyStyle::standardIcon(icon, option, widget);
        made = titleBarIcons_.insert({icon, colour}, glyph ? inColour(standard, colour) : standard);
    }
    return *made;
}

} // namespace orvane
