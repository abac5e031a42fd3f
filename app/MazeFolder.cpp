#include "MazeFolder.h"

#include <QDir>
#include <QFileInfo>

namespace orvane {

QString nextMazeFile(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo current(path);
    const QDir folder = current.absoluteDir();
    const QStringList names =
        folder.entryList({QStringLiteral("*.mdt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    // By position where the file is listed, else after where it would be.
    qsizetype next = names.indexOf(current.fileName()) + 1;
    if (next == 0)
        while (next < names.size() &&
               names[next].compare(current.fileName(), Qt::CaseInsensitive) <= 0)
            ++next;
    return next < names.size() ? folder.filePath(names[next]) : QString();
}

} // namespace orvane
