#pragma once

#include <QByteArrayView>
#include <QString>

namespace orvane {

// The name that stands for standard input or output on the command line.
inline constexpr QStringView StandardStream = u"-";

// Writes `bytes` to standard output and closes it, so that an error the
// system reports only then (a full disk) is caught too. Returns the error
// message, empty on success.
QString writeStandardOutput(QByteArrayView bytes);

// Writes `bytes` to the file `path` names as the program saves a maze
// (replaceFileContents: whole or not at all, anything but a regular file
// refused), or to standard output for "-". Returns the error message, empty
// on success.
QString writeOutput(QByteArrayView bytes, const QString& path);

} // namespace orvane
