#include "CornerButton.h"

#include "AccessibleControls.h"

namespace orvane {

CornerButton::CornerButton(QWidget* parent) : QPushButton(parent)
{
    installAccessibleControls();
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
}

} // namespace orvane
