#pragma once

#include "PlatformServices.h"

#include <QString>

#include <functional>
#include <initializer_list>

class QSettings;

namespace orvane {

// The folders a file dialog may start in besides the remembered ones.
struct DialogPlaces {
    QString samplePack; // empty when there is no pack
    QString documents;
    QString home;

    // The program's sample pack, the user's documents and home folders.
    static DialogPlaces standard();
};

// What choosing a start folder asks of the file system.
struct FolderChecks {
    std::function<bool(const QString&)> isFolder;
    std::function<bool(const QString&)> isWritable;

    static FolderChecks fileSystem();
};

// Where each file dialog starts, from the folders remembered in the program's
// settings (so across runs):
// - loading a maze: the folder a maze was last loaded from or saved to; at
//   first the sample pack;
// - saving a maze: the folder last saved to; at first, or when that folder
//   cannot be written, the documents folder. Never the folder a maze was
//   loaded from, which may be the installed pack no user can write;
// - choosing music: the folder of the maze's current music file; without one,
//   the sample pack, where its tunes are.
// A folder that is gone is passed over; the home folder comes last.
class DialogFolders {
public:
    DialogFolders(QSettings& settings, DialogPlaces places,
                  FolderChecks checks = FolderChecks::fileSystem());

    QString startFolder(const FileDialogPurpose& purpose) const;
    // Remembers the folder of the file the user chose for `purpose`, whether
    // or not it then loads or saves: the next dialog starts where they looked.
    void chosen(const FileDialogPurpose& purpose, const QString& path);

private:
    enum class Need { Read, Write };
    QString firstUsable(std::initializer_list<QString> folders, Need need) const;

    QSettings& settings_;
    const DialogPlaces places_;
    const FolderChecks checks_;
};

} // namespace orvane
