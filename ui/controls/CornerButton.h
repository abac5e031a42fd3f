#pragma once

#include <QPushButton>

namespace orvane {

// A disabled button that only fills the corner where two scroll bars meet:
// it takes no focus, and assistive technology does not see it.
class CornerButton : public QPushButton {
    Q_OBJECT
public:
    explicit CornerButton(QWidget* parent);
};

} // namespace orvane
