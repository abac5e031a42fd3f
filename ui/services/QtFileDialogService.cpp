#include "QtFileDialogService.h"

#include "FileFilter.h"

#include <QFileInfo>

namespace orvane {

namespace {

// The filter the user picked. Qt reports it by the text shown, which with
// HideNameFilterDetails is the description alone.
qsizetype chosenFilter(const QList<FileFilter>& filters, const QStringList& nameFilters,
                       const QString& chosen)
{
    for (qsizetype i = 0; i < filters.size(); ++i)
        if (chosen == nameFilters[i] || chosen == filters[i].description.simplified())
            return i;
    return -1;
}

} // namespace

std::optional<QString> QtFileDialogService::showOpen(QWidget* parent, const QString& filter,
                                                     const FileDialogPurpose& purpose)
{
    return run(parent, filter, purpose, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileDialogService::showSave(QWidget* parent, const QString& filter,
                                                     const FileDialogPurpose& purpose)
{
    return run(parent, filter, purpose, QFileDialog::AcceptSave);
}

std::optional<QString> QtFileDialogService::run(QWidget* parent, const QString& filter,
                                                const FileDialogPurpose& purpose,
                                                QFileDialog::AcceptMode mode)
{
    const QList<FileFilter> filters = parseFileFilter(filter);
    QStringList nameFilters;
    for (const FileFilter& f : filters)
        nameFilters << qtNameFilter(f);

    QFileDialog dialog(parent);
    // Qt's own dialog on every desktop: it asks before overwriting with the
    // default suffix already appended, and it speaks the program's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!nameFilters.isEmpty())
        dialog.setNameFilters(nameFilters);
    if (mode == QFileDialog::AcceptSave && !filters.isEmpty()) {
        dialog.setDefaultSuffix(defaultSuffix(filters.first()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &filters, &nameFilters](const QString& chosen) {
                             const qsizetype index = chosenFilter(filters, nameFilters, chosen);
                             if (index >= 0)
                                 dialog.setDefaultSuffix(defaultSuffix(filters[index]));
                         });
    }
    dialog.setDirectory(folders_.startFolder(purpose));

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    const QString chosen = QFileInfo(files.first()).absoluteFilePath();
    folders_.chosen(purpose, chosen);
    return chosen;
}

} // namespace orvane
