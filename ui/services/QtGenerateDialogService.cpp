#include "QtGenerateDialogService.h"

#include "GenerateDialog.h"

namespace orvane {

std::optional<generate::Request>
QtGenerateDialogService::askForMaze(QWidget* parent, const GenerateDefaults& defaults)
{
    GenerateDialog dialog(defaults, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

} // namespace orvane
