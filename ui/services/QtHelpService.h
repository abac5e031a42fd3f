#pragma once

#include "HelpViewer.h"
#include "PlatformServices.h"

namespace orvane {

// The help request, answered by the program's own help viewer.
class QtHelpService : public HelpService {
public:
    QtHelpService(MessageBoxService& messages, UiLanguage language);

    // Only the contents command is defined; other commands change nothing.
    void showHelp(QWidget* parent, const QString& helpFile, int command) override;

    HelpViewer& viewer() { return viewer_; }

private:
    HelpViewer viewer_;
};

} // namespace orvane
