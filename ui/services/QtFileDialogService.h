#pragma once

#include "DialogFolders.h"
#include "PlatformServices.h"

#include <QFileDialog>

namespace orvane {

// Open and save dialogs on QFileDialog, each starting in the folder `folders`
// gives for its purpose, which also remembers the user's choices.
class QtFileDialogService : public FileDialogService {
public:
    explicit QtFileDialogService(DialogFolders& folders) : folders_(folders) {}

    std::optional<QString> showOpen(QWidget* parent, const QString& filter,
                                    const FileDialogPurpose& purpose) override;
    std::optional<QString> showSave(QWidget* parent, const QString& filter,
                                    const FileDialogPurpose& purpose) override;

private:
    std::optional<QString> run(QWidget* parent, const QString& filter,
                               const FileDialogPurpose& purpose, QFileDialog::AcceptMode mode);

    DialogFolders& folders_;
};

} // namespace orvane
