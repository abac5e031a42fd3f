#pragma once
// What the user's data folder keeps is theirs alone: folders 0700, files 0600.

#include <QString>

#include <sys/types.h>

namespace orvane {

inline constexpr mode_t PrivateFolderMode = 0700;
inline constexpr mode_t PrivateFileMode = 0600;

// Makes the folder and its missing parents, each with PrivateFolderMode
// (less the umask); folders that exist are left as they are. Returns errno,
// or 0.
int makePrivateFolders(const QString& folder);

} // namespace orvane
