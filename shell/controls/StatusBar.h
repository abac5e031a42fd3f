#pragma once

#include <QStatusBar>

class QLabel;

namespace orvane {

// A status bar with one panel as wide as the bar.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);
    void setPanelText(const QString& text);
    QString panelText() const;
    QLabel* panel() const { return panel_; }

private:
    QLabel* panel_;
};

} // namespace orvane
