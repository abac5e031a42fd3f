#include "AccessibleControls.h"

#include "CornerButton.h"
#include "PictureBox.h"
#include "StatusBar.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace orvane {
namespace {

class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override
    {
        return widget()->focusPolicy() == Qt::NoFocus ? QAccessible::Graphic : QAccessible::Canvas;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const PictureBox*>(widget())->accessibleValue();
        return QAccessibleWidget::text(t);
    }
};

// One panel of text: the bar is named by it, described by the panel's
// tooltip, and has no children of its own.
class StatusBarAccessible : public QAccessibleWidget {
public:
    explicit StatusBarAccessible(StatusBar* bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* bar = static_cast<const StatusBar*>(widget());
        if (t == QAccessible::Name)
            return bar->panelText();
        if (t == QAccessible::Description)
            return bar->panel()->toolTip();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

class HiddenAccessible : public QAccessibleWidget {
public:
    explicit HiddenAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object)
{
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new PictureBoxAccessible(static_cast<PictureBox*>(object));
    if (className == QLatin1String(StatusBar::staticMetaObject.className()))
        return new StatusBarAccessible(static_cast<StatusBar*>(object));
    if (className == QLatin1String(CornerButton::staticMetaObject.className()))
        return new HiddenAccessible(static_cast<CornerButton*>(object));
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    static const bool installed = (QAccessible::installFactory(accessibleControl), true);
    Q_UNUSED(installed);
}

} // namespace orvane
