#pragma once

#include <QString>

#include <sys/types.h>

namespace orvane {

// The user's own data (kept work, recovery copies, records): folders and
// files only the user may read.
inline constexpr mode_t PrivateFolderMode = 0700;
inline constexpr mode_t PrivateFileMode = 0600;

// Makes `folder` and its missing parents, each PrivateFolderMode; folders
// that exist are left as they are. Returns errno, or 0.
int makePrivateFolders(const QString& folder);

} // namespace orvane
