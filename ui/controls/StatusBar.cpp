#include "StatusBar.h"

#include "AccessibleControls.h"

#include <QAccessible>
#include <QEvent>
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
    const bool newText = text != text_;
    text_ = text;
    toolTip_ = toolTip;
    const QString toolTipWas = panel_->toolTip();
    showText();
    if (panel_->toolTip() != toolTipWas) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (newText) {
        // The bar is named by its text: a screen reader hears every change.
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void StatusBar::showText()
{
    panel_->setGeometry(rect()); // also while hidden, when no resize event came yet
    // A framed label indents its text by half an "x" unless told otherwise.
    const QFontMetrics metrics = panel_->fontMetrics();
    const int indent = panel_->indent() >= 0      ? panel_->indent()
                       : panel_->frameWidth() > 0 ? metrics.horizontalAdvance(u'x') / 2
                                                  : 0;
    const int room = panel_->contentsRect().width() - indent;
    const QString shown = metrics.elidedText(text_, Qt::ElideRight, room);
    panel_->setText(shown);
    QString tip = toolTip_;
    if (shown != text_)
        tip = tip.isEmpty() ? text_ : text_ + u'\n' + tip;
    panel_->setToolTip(tip);
}

void StatusBar::resizeEvent(QResizeEvent*)
{
    showText();
}

void StatusBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        showText();
    QWidget::changeEvent(event);
}

} // namespace orvane
