#include "Output.h"

#include "FileReplace.h"
#include "MazeFileMessages.h"

#include <QTextStream>

#include <cerrno>
#include <cstdio>

namespace orvane {

QString writeStandardOutput(QByteArrayView bytes)
{
    errno = 0;
    const auto size = std::size_t(bytes.size());
    const bool written = std::fwrite(bytes.data(), 1, size, stdout) == size;
    if (std::fclose(stdout) == 0 && written)
        return {};
    return QStringLiteral("orvane-mdt: cannot write to standard output: %1")
        .arg(qt_error_string(errno));
}

QString writeOutput(QByteArrayView bytes, const QString& path)
{
    if (path == StandardStream)
        return writeStandardOutput(bytes);
    const MazeFileProblem problem = replaceFileContents(path, bytes);
    if (!problem.written())
        return QStringLiteral("orvane-mdt: “%1” cannot be written. %2")
            .arg(path, fileProblemText(problem, path));
    if (problem) // written all the same: a warning, not a failure
        QTextStream(stderr) << QStringLiteral("orvane-mdt: “%1” was written. %2")
                                   .arg(path, fileProblemText(problem, path))
                            << Qt::endl;
    return {};
}

} // namespace orvane
