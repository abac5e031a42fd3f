#include "QtGenerateDialogService.h"

#include "GenerateDialog.h"

namespace orvane {

std::optional<GeneratedMaze> QtGenerateDialogService::askForMaze(QWidget* parent,
                                                                 const GenerateDefaults& defaults)
{
    GenerateDialog dialog(defaults, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.takeAnswer();
}

} // namespace orvane
