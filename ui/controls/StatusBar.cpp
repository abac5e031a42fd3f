#include "StatusBar.h"

#include "AccessibleControls.h"

#include <QAccessible>
#include <QLabel>

namespace orvane {

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), panel_(new QLabel(this))
{
    installAccessibleControls();
    panel_->setObjectName(QStringLiteral("panel1"));
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setTextFormat(Qt::PlainText);
    panel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel_->setContentsMargins(2, 0, 2, 0);
}

void StatusBar::setPanelText(const QString& text, const QString& toolTip)
{
    if (toolTip != panel_->toolTip()) {
        panel_->setToolTip(toolTip);
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (text == panel_->text())
        return;
    panel_->setText(text);
    // The bar is named by its text: a screen reader hears every change.
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
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
