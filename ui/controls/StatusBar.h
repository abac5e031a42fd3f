#pragma once

#include <QWidget>

class QLabel;

namespace orvane {

// A status bar with one sunken panel as wide and as high as the bar. Unlike
// QStatusBar it keeps no room for a size grip, so a bar of the layouts' 17
// pixels shows a 12-pixel font whole. A text too long for the panel shows
// its end as "…", and the panel's tooltip gives it whole. Assistive
// technology sees a status bar named by its whole text and described by its
// tooltip.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);
    // The text, and the panel's tooltip that tells more of it (none by default).
    void setPanelText(const QString& text, const QString& toolTip = {});
    // The whole text, however much of it the panel shows.
    QString panelText() const { return text_; }
    QLabel* panel() const { return panel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shows as much of the text as the panel holds, the tooltip with it.
    void showText();

    QLabel* panel_;
    QString text_;
    QString toolTip_;
};

} // namespace orvane
