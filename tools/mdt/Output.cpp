#include "Output.h"

#include <QFileInfo>
#include <QSaveFile>

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
    if (const QFileInfo info(path); info.exists() && !info.isFile())
        return QStringLiteral("orvane-mdt: %1 is not a regular file").arg(path);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size() &&
        file.commit())
        return {};
    return QStringLiteral("orvane-mdt: cannot write %1: %2").arg(path, file.errorString());
}

} // namespace orvane
