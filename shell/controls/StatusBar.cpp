#include "StatusBar.h"

#include <QLabel>

namespace orvane {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), panel_(new QLabel(this))
{
    setSizeGripEnabled(false);
    setContentsMargins(0, 0, 0, 0);
    panel_->setObjectName(QStringLiteral("panel1"));
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setTextFormat(Qt::PlainText);
    panel_->setContentsMargins(2, 0, 2, 0);
    addWidget(panel_, 1);
}

void StatusBar::setPanelText(const QString& text)
{
    panel_->setText(text);
}

QString StatusBar::panelText() const
{
    return panel_->text();
}

} // namespace orvane
