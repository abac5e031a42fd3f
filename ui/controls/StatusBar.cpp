#include "StatusBar.h"

#include <QLabel>

namespace orvane {

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), panel_(new QLabel(this))
{
    panel_->setObjectName(QStringLiteral("panel1"));
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setTextFormat(Qt::PlainText);
    panel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel_->setContentsMargins(2, 0, 2, 0);
}

void StatusBar::setPanelText(const QString& text)
{
    panel_->setText(text);
}

QString StatusBar::panelText() const
{
    return panel_->text();
}

void StatusBar::resizeEvent(QResizeEvent*)
{
    panel_->setGeometry(rect());
}

} // namespace orvane
