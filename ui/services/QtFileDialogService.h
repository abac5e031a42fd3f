#pragma once

#include "PlatformServices.h"

#include <QFileDialog>

namespace orvane {

// Open and save dialogs on QFileDialog. Each dialog starts in the folder of
// the last chosen file (the user's home folder at first).
class QtFileDialogService : public FileDialogService {
public:
    QtFileDialogService();

    std::optional<QString> showOpen(QWidget* parent, const QString& filter) override;
    std::optional<QString> showSave(QWidget* parent, const QString& filter) override;

    QString directory() const { return directory_; }
    void setDirectory(const QString& directory) { directory_ = directory; }

private:
    std::optional<QString> run(QWidget* parent, const QString& filter,
                               QFileDialog::AcceptMode mode);

    QString directory_;
};

} // namespace orvane
