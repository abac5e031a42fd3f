#include "QtHelpService.h"

namespace orvane {

QtHelpService::QtHelpService(MessageBoxService& messages, UiLanguage language)
    : viewer_(messages, HelpViewer::defaultFolders(language))
{
}

void QtHelpService::showHelp(QWidget* parent, const QString& helpFile, int command)
{
    if (command == HelpContents)
        viewer_.showContents(parent, helpFile);
}

} // namespace orvane
