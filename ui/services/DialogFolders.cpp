#include "DialogFolders.h"

#include "SamplePack.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace orvane {

namespace {

const QString MazeFolderKey = QStringLiteral("FileDialogs/MazeFolder");
const QString SaveFolderKey = QStringLiteral("FileDialogs/SaveFolder");

// A relative path is a name the player could not find beside the maze: it
// tells no folder.
QString folderOf(const QString& file)
{
    const QFileInfo info(file);
    return file.isEmpty() || info.isRelative() ? QString() : info.absolutePath();
}

} // namespace

DialogPlaces DialogPlaces::standard()
{
    return {samplePackFolder(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QDir::homePath()};
}

FolderChecks FolderChecks::fileSystem()
{
    return {[](const QString& folder) { return QFileInfo(folder).isDir(); },
            [](const QString& folder) { return QFileInfo(folder).isWritable(); }};
}

DialogFolders::DialogFolders(QSettings& settings, DialogPlaces places, FolderChecks checks)
    : settings_(settings), places_(std::move(places)), checks_(std::move(checks))
{
}

QString DialogFolders::startFolder(const FileDialogPurpose& purpose) const
{
    const QString mazeFolder = settings_.value(MazeFolderKey).toString();
    const QString saveFolder = settings_.value(SaveFolderKey).toString();
    switch (purpose.use) {
    case FileDialogUse::LoadMaze:
        return firstUsable({mazeFolder, places_.samplePack, places_.documents}, Need::Read);
    case FileDialogUse::SaveMaze:
        return firstUsable({saveFolder, places_.documents}, Need::Write);
    case FileDialogUse::ChooseMusic:
        return firstUsable({folderOf(purpose.currentFile), places_.samplePack, places_.documents},
                           Need::Read);
    }
    return places_.home;
}

void DialogFolders::chosen(const FileDialogPurpose& purpose, const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    switch (purpose.use) {
    case FileDialogUse::SaveMaze:
        settings_.setValue(SaveFolderKey, folder);
        [[fallthrough]];
    case FileDialogUse::LoadMaze:
        settings_.setValue(MazeFolderKey, folder);
        break;
    case FileDialogUse::ChooseMusic:
        break;
    }
}

QString DialogFolders::firstUsable(std::initializer_list<QString> folders, Need need) const
{
    for (const QString& folder : folders)
        if (!folder.isEmpty() && checks_.isFolder(folder) &&
            (need == Need::Read || checks_.isWritable(folder)))
            return folder;
    return places_.home;
}

} // namespace orvane
