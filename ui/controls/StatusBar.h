#pragma once

#include <QWidget>

class QLabel;

namespace orvane {

// A status bar with one sunken panel as wide and as high as the bar. Unlike
// QStatusBar it keeps no room for a size grip, so a bar of the layouts' 17
// pixels shows a 12-pixel font whole. Assistive technology sees a status bar
// named by its text and described by its tooltip.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);
    // The text, and the panel's tooltip that tells more of it (none by default).
    void setPanelText(const QString& text, const QString& toolTip = {});
    QString panelText() const;
    QLabel* panel() const { return panel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* panel_;
};

} // namespace orvane
