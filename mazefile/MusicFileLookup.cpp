#include "MusicFileLookup.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace orvane {
namespace {

bool playable(const QFileInfo& file)
{
    return file.isFile() && file.isReadable();
}

} // namespace

QString lookUpMusicFile(const QString& musicFile, const QString& mazePath)
{
    if (musicFile.isEmpty())
        return musicFile;
    const QDir folder = mazePath.isEmpty() ? QDir() : QFileInfo(mazePath).absoluteDir();
    // An absolute path stays as it is; a relative one is taken from the maze's folder.
    if (const QFileInfo named(folder, musicFile); playable(named))
        return named.filePath();

    static const QRegularExpression Separators(QStringLiteral("[\\\\/]"));
    const QStringList parts = musicFile.split(Separators, Qt::SkipEmptyParts);
    const QString name = parts.isEmpty() ? QString() : parts.last();
    if (name.isEmpty() || mazePath.isEmpty())
        return musicFile;
    if (const QFileInfo exact(folder, name); playable(exact))
        return exact.filePath();
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& entry : entries)
        if (entry.fileName().compare(name, Qt::CaseInsensitive) == 0 && playable(entry))
            return entry.filePath();
    return musicFile;
}

} // namespace orvane
