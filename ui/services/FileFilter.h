#pragma once
// The file dialog's filter text, "description|pattern[|description|pattern...]",
// where a pattern may list several globs separated by ';' ("*.a;*.b").

#include <QList>
#include <QString>
#include <QStringList>

namespace orvane {

struct FileFilter {
    QString description;
    QStringList patterns;
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// Splits a filter text into its description/pattern pairs. A description
// without a pattern matches every file; empty pairs are skipped.
QList<FileFilter> parseFileFilter(const QString& text);

// The name filter QFileDialog parses: the description followed by the
// patterns in parentheses. Shown with QFileDialog::HideNameFilterDetails the
// user sees only the description, even when it already holds "(*.mdt)".
QString qtNameFilter(const FileFilter& filter);

// The extension a save dialog appends to a name typed without one: that of the
// first pattern of the form "*.ext", or empty.
QString defaultSuffix(const FileFilter& filter);

} // namespace orvane
