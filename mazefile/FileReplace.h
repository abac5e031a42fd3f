#pragma once

#include "MazeFileError.h"

#include <QByteArrayView>
#include <QString>

namespace orvane {

// Replaces the contents of the file at path with bytes, or creates it: the
// one way the program and its tools write a whole file. Refused with nothing
// changed: a missing folder (NoFolder), a folder (TargetIsFolder) or anything
// but a regular file (NotRegularFile) in the file's place.
//
// Atomic: a temporary file beside the file is written, synced and renamed
// over it, and the folder synced, so the old file stays whole until the new
// one is complete and a finished save survives a power cut. Saving through a
// symbolic link replaces the file it points to and keeps the link. The new
// file keeps the old one's permission bits and, where allowed, its owner (a
// normal user keeps the group if a member of it).
//
// Only where the folder refuses a new file (EACCES, EPERM, EROFS) is an
// existing file rewritten in place, keeping a recovery copy of its old
// contents while it is (InPlaceWrite.h); every other failure to make the
// temporary file is reported with the system's reason (CreateFailed).
// A failed save reports why; a save reported done is on the disk.
//
// Private: the file is the user's alone (PrivateFileMode), whatever it was.
enum class FileAccess { KeepMode, Private };
MazeFileProblem replaceFileContents(const QString& path, QByteArrayView bytes,
                                    FileAccess access = FileAccess::KeepMode);

} // namespace orvane
