#pragma once

#include "PlatformServices.h"

namespace orvane {

// A modal QMessageBox with an OK button only, no icon, plain text.
class QtMessageBoxService : public MessageBoxService {
public:
    void show(QWidget* parent, const QString& text, const QString& title = DefaultTitle) override;
};

} // namespace orvane
