#pragma once

#include <QByteArrayView>
#include <QString>

namespace orvane {

// A copy of a file's old contents, kept in the user's data folder while the
// file is rewritten in place.
struct RecoveryCopy {
    QString folder; // where it goes
    QString path;   // the copy; empty when none could be made
    int error = 0;  // errno of the failing step, when none could be made
};

// The folder recovery copies go to: "recovered" in the program's data folder
// (QStandardPaths::AppDataLocation), made when first needed.
QString recoveryFolder();

// Writes bytes, the old contents of the file at path, to a new file in
// recoveryFolder() named after it with a time stamp ("m-20250101-093000.mdt"),
// and syncs it and its folder.
RecoveryCopy keepRecoveryCopy(const QString& path, QByteArrayView bytes);

// Removes a copy that is no longer needed.
void removeRecoveryCopy(const RecoveryCopy& copy);

} // namespace orvane
