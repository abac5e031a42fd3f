#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace orvane {

// The classic Windows style of the program's windows, with two changes to its
// title-bar buttons. Their glyphs are drawn in the buttons' text colour, so
// that they stand out on a dark palette as on a light one (the base draws
// them black always). And each icon is made once: the base makes a new icon
// for every button it paints, and each new icon leaves its pixmaps in the
// application's pixmap cache, so every paint of a child window's title bar
// grew memory until the cache's limit.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    ClassicStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    // By icon and glyph colour (0 for the base's own).
    mutable QHash<std::pair<int, QRgb>, QIcon> titleBarIcons_;
};

} // namespace orvane
