#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace orvane {

// The classic Windows style of the program's windows. Its base makes a new
// icon for every title-bar button it paints, and each new icon leaves its
// pixmaps in the application's pixmap cache: every paint of a child window's
// title bar grew memory until the cache's limit. The title-bar icons are
// made once here instead.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    ClassicStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    mutable QHash<int, QIcon> titleBarIcons_;
};

} // namespace orvane
