#pragma once

#include <QString>
#include <QTextStream>

namespace orvane {

// Prints a message on the standard error and returns the exit status.
inline int fail(const QString& message, int status = 1)
{
    QTextStream(stderr) << message << Qt::endl;
    return status;
}

} // namespace orvane
